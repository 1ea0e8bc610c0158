#include "ui/TimetablePanel.h"

#include <QAccessible>
#include <QKeyEvent>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "timetable/TableText.h"
#include "ui/Accessibility.h"
#include "ui/DateField.h"
#include "ui/DrawGrid.h"
#include "ui/Translations.h"
#include "ui/mainPrayerUI.h"

namespace orvandel {

namespace {

void CheckPlace(int index, int count, const char* what) {
    if (index < 0 || index >= count) {
        throw std::out_of_range(std::string("TTimetablePanel: ") + what + " " +
                                std::to_string(index) + " outside 0.." + std::to_string(count - 1));
    }
}

}  // namespace

TTimetablePanel::TTimetablePanel(const TForm1& form, QWidget* parent)
    : QFrame(parent), FForm(form) {
    InstallAccessibility();
    setAccessibleName(tr("Prayer times"));
    setAccessibleDescription(
        tr("The week's prayer times, a day a row. The arrow keys move from time to time; the "
           "Menu key opens the commands for the week."));
}

void TTimetablePanel::ShowWeek(const TimetableSettings& settings) {
    const Timetable& week = FForm.Week();
    decltype(FCells) cells;
    decltype(FRowHeaders) rowHeaders;
    decltype(FColumnHeaders) columnHeaders;
    for (int column = 0; column < PrayerColumns; ++column) {
        // Column c holds prayer ColumnOf(c): the mirror of the columns is its own inverse.
        columnHeaders[column] = PrayerCaption(week.ColumnOf(column));
    }
    for (int row = 0; row < DayRows; ++row) {
        const TimetableDay& day = week.Days[row];
        rowHeaders[row] = tr("%1, %2", "a day's civil date, its Hijri date")
                              .arg(LongDateText(day.Serial), FForm.HijriDateTexts[row + 1]);
        for (int column = 0; column < PrayerColumns; ++column) {
            cells[row][column] = DataTimeCaption(settings, day, week.ColumnOf(column));
        }
    }
    const int selectedRow = week.CurrentDayRow - 1;
    const bool changed = cells != FCells || rowHeaders != FRowHeaders ||
                         columnHeaders != FColumnHeaders || selectedRow != FSelectedRow;
    // The current cell stays on its prayer when the columns turn round, and moves to the chosen
    // day when that changes.
    if (week.DateColumnOnRight != FMirrored) {
        FCurrentColumn = PrayerColumns - 1 - FCurrentColumn;
    }
    if (selectedRow != FSelectedRow && selectedRow >= 0) {
        FCurrentRow = selectedRow;
    }
    FMirrored = week.DateColumnOnRight;
    FCells = std::move(cells);
    FRowHeaders = std::move(rowHeaders);
    FColumnHeaders = std::move(columnHeaders);
    FSelectedRow = selectedRow;
    if (changed) {
        AnnounceChange();
    }
}

const QString& TTimetablePanel::CellText(int row, int column) const {
    CheckPlace(row, DayRows, "row");
    CheckPlace(column, PrayerColumns, "column");
    return FCells[row][column];
}

const QString& TTimetablePanel::RowHeaderText(int row) const {
    CheckPlace(row, DayRows, "row");
    return FRowHeaders[row];
}

const QString& TTimetablePanel::ColumnHeaderText(int column) const {
    CheckPlace(column, PrayerColumns, "column");
    return FColumnHeaders[column];
}

QRect TTimetablePanel::CellPlace(int row, int column) const {
    const TDrawGrid* grid = column < 0 ? FForm.ColCities : FForm.Grid;
    const QRect cell = grid->CellRect(std::max(column, 0), row + 1);
    return cell.translated(grid->pos());
}

void TTimetablePanel::SetCurrentCell(int row, int column) {
    row = std::clamp(row, 0, DayRows - 1);
    column = std::clamp(column, 0, PrayerColumns - 1);
    if (row == FCurrentRow && column == FCurrentColumn) {
        return;
    }
    FCurrentRow = row;
    FCurrentColumn = column;
    if (hasFocus()) {
        AnnounceCurrentCell();
    }
}

// Tells assistive technology that the table's texts changed; its interface then names the
// cells whose text it had told before and that read differently now.
void TTimetablePanel::AnnounceChange() {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::DataChanged);
    event.setFirstRow(0);
    event.setLastRow(DayRows - 1);
    event.setFirstColumn(0);
    event.setLastColumn(PrayerColumns - 1);
    QAccessible::updateAccessibility(&event);
}

void TTimetablePanel::AnnounceCurrentCell() {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
    QAccessibleTableInterface* cells = table != nullptr ? table->tableInterface() : nullptr;
    if (QAccessibleInterface* cell =
            cells != nullptr ? cells->cellAt(FCurrentRow, FCurrentColumn) : nullptr) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void TTimetablePanel::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    const bool control = modifiers == Qt::ControlModifier;
    const int key = event->key();
    int row = FCurrentRow;
    int column = FCurrentColumn;
    if (plain && key == Qt::Key_Up) {
        --row;
    } else if (plain && key == Qt::Key_Down) {
        ++row;
    } else if (plain && key == Qt::Key_Left) {
        --column;
    } else if (plain && key == Qt::Key_Right) {
        ++column;
    } else if ((plain || control) && (key == Qt::Key_Home || key == Qt::Key_End)) {
        const bool home = key == Qt::Key_Home;
        column = home ? 0 : PrayerColumns - 1;
        row = !control ? row : home ? 0 : DayRows - 1;
    } else {
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
    SetCurrentCell(row, column);
}

void TTimetablePanel::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    AnnounceAfterFocusIn(this, [this] { AnnounceCurrentCell(); });
}

}  // namespace orvandel
