#pragma once
// The read-only date field: shows a date serial as "ddd d-mmm-yyyy" and changes it only by
// keys: Up/Down a day, PageUp/PageDown a month, Shift+PageUp/PageDown a year.

#include <QLineEdit>
#include <optional>

#include "platform/DateTime.h"

class QToolButton;

namespace orvandel {

// The serial `days` whole days after `value` (before it when negative), keeping the time of
// day; nothing when the day would leave 6 January 1 (the first Saturday, so that the shown week
// stays in year 1) to 31 December 9999.
std::optional<TDateTime> IncDays(TDateTime value, int days);
// The serial `months` calendar months after `value` (before it when negative), keeping the
// time of day; the day of the month is clipped to the length of the target month (31 January
// + 1 month = 28 or 29 February). Nothing when the target would leave 6 January 1 to
// 31 December 9999.
std::optional<TDateTime> IncMonths(TDateTime value, int months);

// The day of `value` as read aloud, with the locale's full day and month names:
// "Wednesday 10 April 2024". EConvertError outside years 1 to 9999.
QString LongDateText(TDateTime value);

class TDateField : public QLineEdit {
    Q_OBJECT
  public:
    explicit TDateField(QWidget* parent = nullptr);

    TDateTime Value() const { return FValue; }
    // Shows `value` and raises Changed when it differs from the current value.
    // EConvertError for a serial outside years 1 to 9999 (the field keeps its value).
    void SetValue(TDateTime value);
    // The drop-down button; the field is read-only, so it opens nothing.
    QToolButton* DropDownButton() const { return FButton; }

  signals:
    void Changed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    TDateTime FValue = 0.0;
    QToolButton* FButton;
};

}  // namespace orvandel
