// The About box and the text-editor option dialog.
#pragma once

#include <QDate>
#include <QDialog>

class QLineEdit;

namespace torvex {

inline constexpr const char kProductName[] = "TORVEX 2015";
inline constexpr const char kVersion[] = "2015.5.5";
QDate ReleaseDate();  // 20 May 2016

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

// "Control Options": the path of the external text editor.
class TControlOptions : public QDialog {
    Q_OBJECT

public:
    explicit TControlOptions(const QString& editor, QWidget* parent = nullptr);
    QString editor() const;

private:
    QLineEdit* edit_;
};

}  // namespace torvex
