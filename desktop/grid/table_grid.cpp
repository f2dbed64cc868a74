#include "grid/table_grid.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace {

// Cell editors: Enter writes the text and moves on instead of closing only.
class TTableCellDelegate : public QStyledItemDelegate {
public:
    explicit TTableCellDelegate(TTableGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        grid_->SetOpenEditor(editor);
        return editor;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            emit grid_->keyActivity();
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                grid_->CommitOpenEditor();
                emit grid_->enterPressed();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }

private:
    TTableGrid* grid_;
};

}  // namespace

// ---------------------------------------------------------------- TTableGrid

TTableGrid::TTableGrid(QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new TTableCellDelegate(this));
    setCornerButtonEnabled(false);
    corner_ = findChild<QAbstractButton*>();
    if (corner_ != nullptr) corner_->installEventFilter(this);
}

void TTableGrid::SetTopLeftText(const QString& text) {
    topLeft_ = text;
    if (corner_ != nullptr) corner_->update();
}

void TTableGrid::CommitOpenEditor() {
    QWidget* editor = editor_;
    if (editor == nullptr) return;
    editor_ = nullptr;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool TTableGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint) {
        // The top-left cell reads like a header cell with the table's text.
        QStylePainter painter(corner_);
        QStyleOptionHeader option;
        option.initFrom(corner_);
        // The corner is disabled as a button, not as a cell: draw it enabled.
        option.state |= QStyle::State_Enabled;
        option.palette.setCurrentColorGroup(QPalette::Active);
        option.rect = corner_->rect();
        option.text = topLeft_;
        option.textAlignment = Qt::AlignHCenter | Qt::AlignTop;
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.orientation = Qt::Horizontal;
        painter.drawControl(QStyle::CE_Header, option);
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}

void TTableGrid::keyPressEvent(QKeyEvent* event) {
    emit keyActivity();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        emit enterPressed();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void TTableGrid::keyReleaseEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key >= Qt::Key_Left && key <= Qt::Key_Down) || (key >= Qt::Key_0 && key <= Qt::Key_9)) emit keyActivity();
    QTableWidget::keyReleaseEvent(event);
}

void TTableGrid::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event);
    emit keyActivity();
}

