#include "ui/NumericField.h"

#include <QKeyEvent>
#include <cmath>

#include "ui/Colors.h"

namespace orvandel {

namespace {

// Shared set-up: commit typed text only on Enter or leaving the field, fall back to the last
// valid value for anything the validator did not accept, and flat buttons in the form colour.
void SetUpSpinBox(QAbstractSpinBox* box) {
    box->setKeyboardTracking(false);
    box->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    box->setFrame(true);
    box->setAccelerated(false);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Button, FormBackground);
    box->setPalette(palette);
}

// +1 for PageUp, -1 for PageDown, 0 for any other key.
int PageDirection(const QKeyEvent* event) {
    if (event->key() == Qt::Key_PageUp) {
        return 1;
    }
    if (event->key() == Qt::Key_PageDown) {
        return -1;
    }
    return 0;
}

}  // namespace

TSpinEdit::TSpinEdit(int minimum, int maximum, int step, int pageStep, QWidget* parent)
    : QSpinBox(parent), FPageStep(pageStep) {
    SetUpSpinBox(this);
    setRange(minimum, maximum);
    setSingleStep(step);
}

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
    if (const int direction = PageDirection(event); direction != 0 && !isReadOnly()) {
        // stepBy commits typed text first and clamps to the range.
        stepBy(direction * (FPageStep / singleStep()));
        event->accept();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

TFloatSpinEdit::TFloatSpinEdit(double minimum, double maximum, int decimals, double step,
                               double pageStep, QWidget* parent)
    : QDoubleSpinBox(parent), FPageStep(pageStep) {
    SetUpSpinBox(this);
    setDecimals(decimals);
    setRange(minimum, maximum);
    setSingleStep(step);
}

QString TFloatSpinEdit::WithLocaleSeparator(QString text) const {
    const QString point = locale().decimalPoint();
    if (point.size() != 1) {
        return text;
    }
    for (QChar& c : text) {
        if (c == u'.' || c == u',') {
            c = point.front();
        }
    }
    return text;
}

QValidator::State TFloatSpinEdit::validate(QString& input, int& pos) const {
    input = WithLocaleSeparator(input);
    return QDoubleSpinBox::validate(input, pos);
}

double TFloatSpinEdit::valueFromText(const QString& text) const {
    return QDoubleSpinBox::valueFromText(WithLocaleSeparator(text));
}

void TFloatSpinEdit::keyPressEvent(QKeyEvent* event) {
    if (const int direction = PageDirection(event); direction != 0 && !isReadOnly()) {
        stepBy(direction * static_cast<int>(std::lround(FPageStep / singleStep())));
        event->accept();
        return;
    }
    QDoubleSpinBox::keyPressEvent(event);
}

}  // namespace orvandel
