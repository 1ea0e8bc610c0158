#pragma once
// The timetable's context menu (right click, the Menu key or Shift+F10 on the focused table)
// and the same actions as the window's shortcuts: move a week back or on or to this week, copy
// the week as tab-separated text, save the week, the month or a run of days as csv, json or
// iCalendar (the command's writers), print the week as drawn or the calendar month as a list,
// and set the minutes added to each time and the days the Hijri date moves.
// The texts and the rows come from the core; this unit only lays them out.

#include <QDialog>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "timetable/TableFormats.h"
#include "timetable/TableWriters.h"
#include "timetable/Timetable.h"

class QAction;
class QComboBox;
class QMenu;
class QRadioButton;
class QSpinBox;
class QPainter;
class QPrinter;
class QRect;

namespace orvandel {

class TForm1;

// What Save as asks before the file name: the days and the format.
class TSaveTimetableDialog : public QDialog {
    Q_OBJECT
  public:
    // `monthName` ("April 2024") and `shownDate` ("Wed 10-Apr-2024") label the choices; ics is
    // offered only when `clockTimes` (sunset-based counts are no clock times).
    TSaveTimetableDialog(const QString& monthName, const QString& shownDate, bool clockTimes,
                         QWidget* parent);
    QRadioButton* Week;
    QRadioButton* Month;
    QRadioButton* Days;  // DayCount days from the shown date
    QSpinBox* DayCount;  // 1..3660
    QComboBox* Format;   // the formats Save as offers; each item's data is its OutputFormat
};

// What Adjustments… asks: the minutes added to each time and the days the Hijri date moves,
// starting from `minutes` (index by Prayer) and `hijriDays`.
class TAdjustmentsDialog : public QDialog {
    Q_OBJECT
  public:
    TAdjustmentsDialog(const std::array<int, 6>& minutes, int hijriDays, HighLatitudeRule rule,
                       QWidget* parent);
    std::array<QSpinBox*, 6> Minutes;  // index by Prayer; AdjustMinutesRange, shown as "+2 min"
    QSpinBox* HijriDays;               // HijriAdjustRange, shown as "-1 days"
    QComboBox* HighLatitude;           // the rules of HighLatitudeRules; each item's data its rule
    HighLatitudeRule RuleChosen() const;
    // The minutes of the spin boxes, index by Prayer.
    std::array<int, 6> MinutesChosen() const;
};

class TTimetableMenu : public QObject {
    Q_OBJECT
  public:
    // Adds the menu to the form's timetable panel and the actions to the form.
    explicit TTimetableMenu(TForm1& form);

    QMenu* Menu() const { return FMenu; }
    QAction* PreviousWeekAction;  // Alt+Left
    QAction* NextWeekAction;      // Alt+Right
    QAction* ThisWeekAction;      // Alt+Home
    QAction* CopyAction;          // the platform's Copy
    QAction* SaveAction;          // the platform's Save as
    QAction* PrintAction;         // the platform's Print
    QAction* PrintMonthAction;
    QAction* AdjustAction;  // the Adjustments dialog
    // "Open on this place next time", checkable: TForm1::SetRememberPlace.
    QAction* RememberPlaceAction;

    // The place as the window holds it: the city last chosen when the fields still hold its
    // coordinates, else the coordinates.
    std::string PlaceName() const;
    // The place line and the options line of the shown table.
    std::string PlaceLine() const;
    std::string OptionsLine() const;
    // The same two lines in the window's language: the core's under English.
    QString PlaceCaption() const;
    QString OptionsCaption() const;
    // The shown week: the place and options lines, a header row, then one row a day (the date,
    // the Hijri date, the six times as data), fields separated by tabs, lines by "\n".
    QString WeekText() const;
    // The calendar month of the shown date, one row a day, on the window's settings.
    std::vector<TimetableDay> MonthRows() const;
    // The fixed dates of the shown week's Saturday and of the first of the shown month, and
    // the month's length.
    int32_t WeekStart() const;
    int32_t MonthStart() const;
    int MonthLength() const;
    // Writes `count` days from the fixed date `first` on the window's settings and clock to
    // `path`, as orvandel-table writes them for the same settings. Returns an empty text when
    // the file was written, else what failed ("the disk is full"); a file of that name is then
    // as it was before, and nothing else is left behind.
    [[nodiscard]] QString SaveTo(const QString& path, int32_t first, int count,
                                 OutputFormat format) const;

    // The week as the window draws it under a header; the month as a list on one portrait
    // page. Both draw text and lines on a printer already set up (a file, a printer of the
    // dialog), at least 10 mm inside the sheet's edges; the week first sets the printer's
    // resolution to the window's. Return an empty text when printed, else what failed. A print
    // to a file replaces the file only once the print is complete: after a failure a file of
    // that name is as it was before, and nothing else is left behind.
    [[nodiscard]] QString PrintWeekTo(QPrinter& printer) const;
    [[nodiscard]] QString PrintMonthTo(QPrinter& printer) const;

  private:
    // What the writers need besides the rows: the window's settings, its place and clock.
    TableOutputOptions OutputOptions() const;
    // The time zone the table is read on, as shown; empty on the fixed offset of the fields.
    std::string ClockName() const;
    void Popup();
    void MoveWeeks(int weeks);
    void ShowThisWeek();
    void CopyWeek();
    void SaveAs();
    void PrintWeek();
    void PrintMonth();
    void Adjust();
    // Asks for a printer in the print dialog titled `title`, prints on it with `printTo` and
    // says what failed.
    void PrintWithDialog(const QString& title, QPrinter& printer,
                         QString (TTimetableMenu::*printTo)(QPrinter&) const);
    // Begins painting on the printer, draws with `draw` and ends; to a file, through a
    // TFileReplacement. Returns an empty text when printed, else what failed.
    QString PrintThrough(QPrinter& printer, const std::function<void(QPainter&)>& draw) const;
    // The pages of PrintWeekTo and PrintMonthTo (the month's `rows`) on a painter begun on
    // `printer`.
    void DrawWeek(QPainter& painter, const QPrinter& printer) const;
    void DrawMonth(QPainter& painter, const QPrinter& printer,
                   const std::vector<TimetableDay>& rows) const;
    // Draws the title and the place and options lines at the top of `page`; returns the
    // height they take.
    int DrawHeader(QPainter& painter, const QRect& page, const QString& title) const;

    TForm1& FForm;
    QMenu* FMenu;
};

}  // namespace orvandel
