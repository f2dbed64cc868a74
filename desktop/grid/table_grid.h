// The spreadsheet grid of a table window.
#pragma once

#include <QPointer>
#include <QTableWidget>

// Enter moves on instead of
// re-opening the editor, and the top-left cell shows a text.
class TTableGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit TTableGrid(QWidget* parent);
    void SetTopLeftText(const QString& text);
    QString TopLeftText() const { return topLeft_; }
    // Writes the text of an open editor into its cell and closes it.
    void CommitOpenEditor();
    QWidget* OpenEditor() const { return editor_; }
    void SetOpenEditor(QWidget* editor) { editor_ = editor; }

signals:
    void enterPressed();
    void keyActivity();  // a key press in the grid or its editor, or a click

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString topLeft_;
    QPointer<QWidget> editor_;
    QWidget* corner_ = nullptr;
};

