#pragma once
// The timetable's panel: the frame that holds the date column and the prayer grid and takes the
// keyboard focus for the timetable. It keeps what assistive technology reads of the shown week,
// a table of seven days by six prayers whose cells say the times as the window shows them, and a
// current cell that the arrow keys move while the panel has the focus. The current cell changes
// nothing that is drawn; the accessible focus follows it.

#include <QFrame>
#include <QString>
#include <array>

#include "timetable/Timetable.h"

namespace orvandel {

class TForm1;

class TTimetablePanel : public QFrame {
    Q_OBJECT
  public:
    static constexpr int DayRows = 7;        // Saturday to Friday
    static constexpr int PrayerColumns = 6;  // Fajr to Isha, in the order drawn

    // The panel of `form`, whose grids and stored texts it reads.
    TTimetablePanel(const TForm1& form, QWidget* parent);

    // Takes the texts of the week the form has just stored, read on `settings`, and tells
    // assistive technology when any of them or the chosen day changed.
    void ShowWeek(const TimetableSettings& settings);

    // What the table reads, by row 0..6 (the form's rows 1..7) and by column 0..5 as drawn;
    // empty before the first week. std::out_of_range outside the table.
    const QString& CellText(int row, int column) const;
    const QString& RowHeaderText(int row) const;        // "Wednesday 10 April 2024, 1 Shawwal 1445"
    const QString& ColumnHeaderText(int column) const;  // "Fajr"
    int SelectedRow() const { return FSelectedRow; }    // the chosen day's row, -1 before the first
    // Where a cell, a row header (column -1) or a column header (row -1) is drawn, in the
    // panel's coordinates.
    QRect CellPlace(int row, int column) const;

    int CurrentRow() const { return FCurrentRow; }
    int CurrentColumn() const { return FCurrentColumn; }
    // Moves the current cell, clamped to the table, and gives it the accessible focus while the
    // panel has the keyboard focus.
    void SetCurrentCell(int row, int column);

  protected:
    // The arrows move the current cell by one, Home and End to the row's first and last cell,
    // Ctrl+Home and Ctrl+End to the table's; any other key (and any of them with Alt or Shift,
    // which the window's shortcuts take) goes on as before.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void AnnounceChange();
    void AnnounceCurrentCell();

    const TForm1& FForm;
    std::array<std::array<QString, PrayerColumns>, DayRows> FCells;
    std::array<QString, DayRows> FRowHeaders;
    std::array<QString, PrayerColumns> FColumnHeaders;
    int FSelectedRow = -1;
    bool FMirrored = false;  // the columns run from Isha to Fajr
    int FCurrentRow = 0;
    int FCurrentColumn = 0;
};

}  // namespace orvandel
