#include "ui/NumericField.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <cmath>
#include <functional>

#include "ui/Colors.h"

namespace orvandel {

namespace {

// Shared set-up: commit typed text only on Enter or leaving the field, fall back to the last
// valid value for anything the validator did not accept, flat buttons in the form colour, and
// the text in red while it is a number outside the range.
void SetUpSpinBox(QAbstractSpinBox* box, std::function<bool(const QString&)> outOfRange) {
    auto* editor = box->findChild<QLineEdit*>();
    const auto mark = [editor, outOfRange = std::move(outOfRange)] {
        const QColor ink = outOfRange(editor->text()) ? CurrentDayRed : FormText;
        QPalette p = editor->palette();
        p.setColor(QPalette::Active, QPalette::Text, ink);
        p.setColor(QPalette::Inactive, QPalette::Text, ink);
        editor->setPalette(p);
    };
    // The field rewrites its text without signals when it returns to the last valid value,
    // which ends the editing.
    QObject::connect(editor, &QLineEdit::textChanged, box, mark);
    QObject::connect(box, &QAbstractSpinBox::editingFinished, box, mark);
    if (box->locale().zeroDigit() != u"0") {
        box->setLocale(QLocale::c());  // Latin digits, as in the timetable
    }
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

// Digits with an optional sign (where the range has negative numbers) and up to `decimals`
// decimals after `point`: the shape of a number the field can take, whatever its range.
bool IsNumberText(const QString& text, int decimals, bool sign, const QString& point) {
    const QRegularExpression shape(QStringLiteral("^%1[0-9]+%2$")
                                       .arg(sign ? QStringLiteral("[-+]?") : QString(),
                                            decimals > 0
                                                ? QStringLiteral("(%1[0-9]{0,%2})?")
                                                      .arg(QRegularExpression::escape(point))
                                                      .arg(decimals)
                                                : QString()));
    return shape.match(text).hasMatch();
}

}  // namespace

TSpinEdit::TSpinEdit(int minimum, int maximum, int step, int pageStep, QWidget* parent)
    : QSpinBox(parent), FPageStep(pageStep) {
    SetUpSpinBox(this, [this](const QString& text) { return OutOfRange(text); });
    setRange(minimum, maximum);
    setSingleStep(step);
}

bool TSpinEdit::OutOfRange(const QString& text) const {
    if (!IsNumberText(text, 0, minimum() < 0, QString())) {
        return false;
    }
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    return !ok || value < minimum() || value > maximum();
}

// A number outside the range is kept as typed (Intermediate) rather than refused key by key,
// which would turn "75" into 7; it is never committed.
QValidator::State TSpinEdit::validate(QString& input, int& pos) const {
    const QValidator::State state = QSpinBox::validate(input, pos);
    return state == QValidator::Invalid && OutOfRange(input) ? QValidator::Intermediate : state;
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
    SetUpSpinBox(this, [this](const QString& text) { return OutOfRange(text); });
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

bool TFloatSpinEdit::OutOfRange(const QString& text) const {
    const QString number = WithLocaleSeparator(text);
    if (!IsNumberText(number, decimals(), minimum() < 0, locale().decimalPoint())) {
        return false;
    }
    bool ok = false;
    const double value = locale().toDouble(number, &ok);
    return !ok || value < minimum() || value > maximum();
}

QValidator::State TFloatSpinEdit::validate(QString& input, int& pos) const {
    input = WithLocaleSeparator(input);
    const QValidator::State state = QDoubleSpinBox::validate(input, pos);
    return state == QValidator::Invalid && OutOfRange(input) ? QValidator::Intermediate : state;
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
