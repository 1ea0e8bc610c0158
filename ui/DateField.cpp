#include "ui/DateField.h"

#include <QCoreApplication>
#include <QDate>
#include <QKeyEvent>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "ui/Accessibility.h"
#include "ui/Colors.h"
#include "ui/Translations.h"

namespace orvandel {

namespace {

constexpr int FirstYear = 1;
constexpr int LastYear = 9999;

// Shown form of the field's value: "Sat 6-Apr-2024".
constexpr const char* DisplayFormat = "ddd d-mmm-yyyy";

// The first day the field can show: the first Saturday of year 1. The week of any earlier day
// would begin in year 0, which the civil calendar does not hold.
double FirstDay() {
    return EncodeDate(FirstYear, 1, 6);
}

}  // namespace

std::optional<TDateTime> IncDays(TDateTime value, int days) {
    const int64_t day = SerialDay(value) + days;  // |days| <= 2^31, no overflow in 64 bits
    const double first = FirstDay();
    const double last = EncodeDate(LastYear, 12, 31);
    if (static_cast<double>(day) < first || static_cast<double>(day) > last) {
        return std::nullopt;
    }
    return static_cast<double>(day) + SerialTime(value);
}

std::optional<TDateTime> IncMonths(TDateTime value, int months) {
    const TCivilDate date = DecodeDate(value);
    // Months counted from January of year 0: [12, 119999] for the field's years, plus months.
    const int64_t total = int64_t{date.Year} * 12 + (date.Month - 1) + months;
    if (total < int64_t{FirstYear} * 12 || total > int64_t{LastYear} * 12 + 11) {
        return std::nullopt;
    }
    const int64_t year = total / 12;       // [1, 9999], total is positive here
    const int64_t month = total % 12 + 1;  // [1, 12]
    int64_t day = date.Day;                // [1, 31]
    while (!IsValidDate(year, month, day)) {
        --day;  // clip to the length of the target month; ends at 28 at the latest
    }
    const TDateTime target = EncodeDate(year, month, day);
    if (target < FirstDay()) {
        return std::nullopt;
    }
    return target + SerialTime(value);
}

QString LongDateText(TDateTime value) {
    if (UiTranslated()) {
        const TCivilDate date = DecodeDate(value);
        return UiLocale().toString(QDate(date.Year, date.Month, date.Day), QLocale::LongFormat);
    }
    return QString::fromStdString(FormatDateTime("dddd d mmmm yyyy", value));
}

TDateField::TDateField(QWidget* parent) : QLineEdit(parent), FButton(new QToolButton(this)) {
    InstallAccessibility();
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    FButton->setArrowType(Qt::DownArrow);
    FButton->setAutoRaise(true);
    FButton->setFocusPolicy(Qt::NoFocus);
    FButton->setCursor(Qt::ArrowCursor);
    QPalette buttonPalette = FButton->palette();
    buttonPalette.setColor(QPalette::Button, FormBackground);
    FButton->setPalette(buttonPalette);
    SetValue(FValue);
}

void TDateField::SetValue(TDateTime value) {
    // Throws before any change. The translation's day and month names where one is installed.
    const QString text = UiTranslated()
                             ? ShortDateCaption(value, 1)
                             : QString::fromStdString(FormatDateTime(DisplayFormat, value));
    const bool changed = value != FValue;
    FValue = value;
    setText(text);
    setCursorPosition(0);  // show the start of the text if it is wider than the field
    if (changed) {
        emit Changed();
    }
}

void TDateField::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    std::optional<TDateTime> next;
    switch (event->key()) {
        case Qt::Key_Up:
            next = IncDays(FValue, 1);
            break;
        case Qt::Key_Down:
            next = IncDays(FValue, -1);
            break;
        case Qt::Key_PageUp:
            next = IncMonths(FValue, shift ? 12 : 1);
            break;
        case Qt::Key_PageDown:
            next = IncMonths(FValue, shift ? -12 : -1);
            break;
        default:
            QLineEdit::keyPressEvent(event);
            return;
    }
    event->accept();
    if (next) {
        SetValue(*next);
    }
}

void TDateField::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    const int side = height() - 4;
    // The button at the field's end: on the left where the text runs right to left.
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    FButton->setGeometry(
        QStyle::visualRect(layoutDirection(), rect(), QRect(width() - side - 2, 2, side, side)));
    setTextMargins(rightToLeft ? side : 0, 0, rightToLeft ? 0 : side, 0);
}

}  // namespace orvandel
