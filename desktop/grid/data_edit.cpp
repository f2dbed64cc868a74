#include "grid/data_edit.h"

#include "grid/expression.h"
#include "grid/message_box.h"
#include "grid/number_format.h"
#include "grid/unit_codes.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>

TDataEdit::TDataEdit(QWidget* parent) : QLineEdit(parent), maxVal_(DBL_MAX), minVal_(-DBL_MAX) {
    setText(QStringLiteral("0"));
}

QString TDataEdit::FormatValue(long double value) const {
    if (!hex_) return torvex::FormatGeneral(value, 18);
    // "$" and at least four hexadecimal digits of the nearest integer.
    const long double r = std::round(value);
    const std::int64_t n = r >= 9.2233720368547758e18L ? INT64_MAX : r <= -9.2233720368547758e18L ? INT64_MIN
                                                                                                   : std::int64_t(r);
    return QLatin1Char('$') + QStringLiteral("%1").arg(quint64(n), 4, 16, QLatin1Char('0')).toUpper();
}

double TDataEdit::Number() const { return torvex::EvaluateToDouble(text()); }

void TDataEdit::SetNumber(double value) {
    value = std::clamp(value, minVal_, maxVal_);
    setText(FormatValue(value));
}

void TDataEdit::SetMaxVal(double value) {
    if (value < minVal_) value = minVal_;
    if (integerOnly_) value = std::clamp(value, double(INT_MIN), double(INT_MAX));
    maxVal_ = value;
    try {
        if (torvex::Evaluate(text()) > maxVal_) SetNumber(maxVal_);
    } catch (const EAssignError&) {
    }
}

void TDataEdit::SetMinVal(double value) {
    if (value > maxVal_) value = maxVal_;
    if (integerOnly_) value = std::clamp(value, double(INT_MIN), double(INT_MAX));
    minVal_ = value;
    try {
        if (torvex::Evaluate(text()) < minVal_) SetNumber(minVal_);
    } catch (const EAssignError&) {
    }
}

void TDataEdit::SetIntegerOnly(bool integerOnly) {
    integerOnly_ = integerOnly;
    if (integerOnly_) {
        SetMaxVal(maxVal_);
        SetMinVal(minVal_);
    }
}

void TDataEdit::SetHex(bool hex) {
    if (hex == hex_) return;
    long double value = 0;
    bool ok = true;
    try {
        value = torvex::Evaluate(text());
    } catch (const EAssignError&) {
        ok = false;
    }
    hex_ = hex;
    if (ok) setText(FormatValue(value));
}

void TDataEdit::SetCaption(const QString& caption) {
    caption_ = caption;
    RefreshLabel();
}

void TDataEdit::SetUnitsString(const QString& code) {
    unitsString_ = code;
    RefreshLabel();
}

void TDataEdit::SetUnits(int units) {
    units_ = std::clamp(units, 1, 3);
    RefreshLabel();
}

void TDataEdit::SetEditLabel(QLabel* label) {
    if (label_ != nullptr) label_->removeEventFilter(this);
    label_ = label;
    if (label_ != nullptr) {
        label_->setBuddy(this);
        label_->installEventFilter(this);
    }
    RefreshLabel();
}

QString TDataEdit::LabelText() const {
    if (unitsString_.isEmpty()) return caption_;
    return caption_ + QStringLiteral(" (") + torvex::EditUnitLabel(unitsString_, units_) + QLatin1Char(')');
}

void TDataEdit::RefreshLabel() {
    if (label_ == nullptr) return;
    label_->setText(LabelText());
    label_->setEnabled(isEnabled());
}

void TDataEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) RefreshLabel();
}

bool TDataEdit::eventFilter(QObject* watched, QEvent* event) {
    // Clicking the caption puts the cursor into the edit.
    // The type is tested first: a label being destroyed still passes events here.
    if (event->type() == QEvent::MouseButtonPress && watched == label_.data() && isEnabled())
        setFocus(Qt::MouseFocusReason);
    return QLineEdit::eventFilter(watched, event);
}

void TDataEdit::Refuse(const QString& message) {
    torvex::ShowInformation(this, message);
    if (isVisible()) setFocus(Qt::OtherFocusReason);
}

void TDataEdit::ExitCheck() {
    if (checking_) return;
    checking_ = true;
    valid_ = false;
    long double value = 0;
    try {
        value = torvex::Evaluate(text());
    } catch (const EAssignError& e) {
        Refuse(integerOnly_ ? QString::fromLatin1(kEditValidInteger) : e.message());
        checking_ = false;
        return;
    }
    // Limits are compared at the stored precision, so a limit written into
    // the edit with 18 digits passes the next check.
    const double stored = torvex::NearestDouble(value);
    if (integerOnly_ && value != std::trunc(value)) {
        Refuse(QString::fromLatin1(kEditInteger));
    } else if (stored < minVal_) {
        SetNumber(minVal_);
        Refuse(QString::fromLatin1(kEditAtLeast) + FormatValue(minVal_));
    } else if (!(stored <= maxVal_)) {
        SetNumber(maxVal_);
        Refuse(QString::fromLatin1(kEditAtMost) + FormatValue(maxVal_));
    } else {
        setText(FormatValue(value));
        valid_ = true;
    }
    checking_ = false;
}

bool TDataEdit::Validate() {
    ExitCheck();
    return valid_;
}

void TDataEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another application or a context menu taking the focus is no exit.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    if (!isVisible()) return;
    ExitCheck();
}

void TDataEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ExitCheck();
        selectAll();
        event->accept();
        return;
    }
    // An operator typed over the whole value extends it: "12" then "*" gives "12*".
    static const QString kOperators = QStringLiteral("+-/*^=%!");
    const QString typed = event->text();
    if (typed.size() == 1 && kOperators.contains(typed[0]) && hasSelectedText() && selectedText() == text()) {
        deselect();
        end(false);
    }
    QLineEdit::keyPressEvent(event);
}
