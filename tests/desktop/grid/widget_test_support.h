// Helpers for driving grid windows and numeric edits as a user would.
#pragma once

#include "grid/message_box.h"
#include "grid/table_form.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

namespace torvex::test {

// Answers every information box and remembers its text.
class MessageRecorder {
public:
    MessageRecorder() {
        messages().clear();
        previous_ = SetInformationHandler(&Record);
    }
    ~MessageRecorder() { SetInformationHandler(previous_); }
    static QStringList& messages() {
        static QStringList list;
        return list;
    }
    QString Last() const { return messages().isEmpty() ? QString() : messages().last(); }
    int Count() const { return int(messages().size()); }
    void Clear() { messages().clear(); }

private:
    static void Record(QWidget*, const QString& text) { messages() << text; }
    InformationHandler previous_;
};

inline void Activate(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    (void)QTest::qWaitForWindowActive(window, 1000);
}

inline void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// Makes (row, column) the grid's current cell and types text into it: the
// first key opens the cell editor, the rest go to the editor.
inline void TypeInCell(TTableForm* form, int row, int column, const QString& text) {
    TTableGrid* grid = form->Grid();
    const bool here = grid->currentRow() == row && grid->currentColumn() == column;
    if (!here || grid->OpenEditor() == nullptr) grid->setFocus();  // an open editor keeps the focus
    if (!here) grid->setCurrentCell(row, column);
    for (int i = 0; i < text.size(); ++i) {
        QWidget* target = grid->OpenEditor() != nullptr ? grid->OpenEditor() : static_cast<QWidget*>(grid);
        QTest::keyClick(target, text[i].toLatin1());
    }
}

inline void PressEnter(TTableForm* form) {
    QWidget* target = form->Grid()->OpenEditor() != nullptr ? form->Grid()->OpenEditor() : form->Grid();
    QTest::keyClick(target, Qt::Key_Return);
    Settle();
}

}  // namespace torvex::test
