// TDataEdit: the numeric edit of the input dialogs. It shows a caption with
// its unit label in a linked label, accepts entry expressions, and checks its
// entry (integrality, range) when it loses the focus or Enter is pressed.
#pragma once

#include <QLineEdit>
#include <QLabel>
#include <QPointer>



inline constexpr const char kEditValidInteger[] = "Entry must be a valid integer.";
inline constexpr const char kEditInteger[] = "Entry must be an integer.";
inline constexpr const char kEditAtLeast[] = "Entry must be greater than or equal to ";
inline constexpr const char kEditAtMost[] = "Entry must be less than or equal to ";

class TDataEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TDataEdit(QWidget* parent = nullptr);

    bool IntegerOnly() const { return integerOnly_; }
    void SetIntegerOnly(bool integerOnly);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    QLabel* EditLabel() const { return label_; }
    void SetEditLabel(QLabel* label);
    bool Hex() const { return hex_; }
    void SetHex(bool hex);
    // Accepted range; by default the whole range of the stored type.
    double MaxVal() const { return maxVal_; }
    void SetMaxVal(double value);
    double MinVal() const { return minVal_; }
    void SetMinVal(double value);
    // Reading evaluates the text (throws EAssignError); writing clamps to the
    // range and formats the value into the text.
    double Number() const;
    void SetNumber(double value);
    QString UnitsString() const { return unitsString_; }
    void SetUnitsString(const QString& code);
    int Units() const { return units_; }
    void SetUnits(int units);  // 1..3; the shown value is never converted
    bool IsValid() const { return valid_; }
    // Runs the exit check and returns the valid flag.
    bool Validate();
    // The caption with the unit label, as the linked label shows it.
    QString LabelText() const;
    QString FormatValue(long double value) const;

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ExitCheck();
    void Refuse(const QString& message);
    void RefreshLabel();

    bool integerOnly_ = false;
    bool hex_ = false;
    bool valid_ = false;
    bool checking_ = false;
    QString caption_;
    QString unitsString_;
    int units_ = 1;
    double maxVal_;
    double minVal_;
    QPointer<QLabel> label_;
};
