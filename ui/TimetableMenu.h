#pragma once
// The timetable's context menu (right click, the Menu key or Shift+F10 on the focused table)
// and the same actions as the window's shortcuts: move a week back or on or to this week, copy
// the week as tab-separated text, print the week as drawn or the calendar month as a list.
// The texts and the rows come from the core; this unit only lays them out.

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "timetable/Timetable.h"

class QAction;
class QMenu;
class QPainter;
class QPrinter;
class QRect;

namespace orvandel {

class TForm1;

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
    QAction* PrintAction;         // the platform's Print
    QAction* PrintMonthAction;

    // The place as the window holds it: the selected city when the fields still hold its
    // coordinates, else the coordinates.
    std::string PlaceName() const;
    // The place line and the options line of the shown table.
    std::string PlaceLine() const;
    std::string OptionsLine() const;
    // The shown week: the place and options lines, a header row, then one row a day (the date,
    // the Hijri date, the six times as data), fields separated by tabs, lines by "\n".
    QString WeekText() const;
    // The calendar month of the shown date, one row a day, on the window's settings.
    std::vector<TimetableDay> MonthRows() const;

    // The week as the window draws it under a header; the month as a list on one portrait
    // page. Both draw on a printer already set up (a file, a printer of the dialog).
    void PrintWeekTo(QPrinter& printer) const;
    void PrintMonthTo(QPrinter& printer) const;

  private:
    // The selected city when the fields still hold its coordinates, else empty.
    std::string CityName() const;
    void Popup();
    void MoveWeeks(int weeks);
    void ShowThisWeek();
    void CopyWeek();
    void PrintWeek();
    void PrintMonth();
    // Draws the title and the place and options lines at the top of `page`; returns the
    // height they take.
    int DrawHeader(QPainter& painter, const QRect& page, const QString& title) const;

    TForm1& FForm;
    QMenu* FMenu;
};

}  // namespace orvandel
