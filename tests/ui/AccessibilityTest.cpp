// What a screen reader reads of the window through Qt's accessibility interfaces: the
// timetable as a table of times with its days and prayers as headers, the numeric fields by
// their labels, the date as a date, the city list; and what it is told: the focus moving from
// time to time with the arrow keys, the chosen city, the table's new texts after a recompute.
#include <QAccessible>
#include <QCheckBox>
#include <QImage>
#include <QListWidget>
#include <QRegularExpression>
#include <array>
#include <vector>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "tests/ui/UiTestSupport.h"
#include "ui/CityList.h"
#include "ui/DateField.h"
#include "ui/DrawGrid.h"
#include "ui/NumericField.h"
#include "ui/PlaceFinder.h"
#include "ui/RadioGroup.h"

namespace orvandel::test {

namespace {

// Mecca on Wednesday 10 April 2024 (row 4 of the table), as orvandel-table prints the week.
const QString WednesdayFajr12 = QStringLiteral("4:48 AM");
const QString WednesdayMaghrib12 = QStringLiteral("6:39 PM");
const QString WednesdayMaghrib24 = QStringLiteral("18:39");
const QString WednesdayHeader = QStringLiteral("Wednesday 10 April 2024, 1 Shawwal 1445");
const QString SaturdayHeader = QStringLiteral("Saturday 6 April 2024, 27 Ramadan 1445");
constexpr int WednesdayRow = FixedTodayRow - 1;

// An event as the update handler saw it, read while its interface existed.
struct TSeen {
    QAccessible::Event Type;
    QAccessible::Role Role;
    QString Name;
    QObject* Object;
    int Row = -1, Column = -1;  // of a table cell
};

std::vector<TSeen>& Seen() {
    static std::vector<TSeen> seen;
    return seen;
}

void Record(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    TSeen seen{event->type(), iface != nullptr ? iface->role() : QAccessible::NoRole,
               iface != nullptr ? iface->text(QAccessible::Name) : QString(), event->object()};
    if (QAccessibleTableCellInterface* cell =
            iface != nullptr ? iface->tableCellInterface() : nullptr) {
        seen.Row = cell->rowIndex();
        seen.Column = cell->columnIndex();
    }
    Seen().push_back(seen);
}

// The last focus event seen; a default one when there was none.
TSeen LastFocus() {
    for (auto it = Seen().rbegin(); it != Seen().rend(); ++it) {
        if (it->Type == QAccessible::Focus) {
            return *it;
        }
    }
    return {QAccessible::InvalidEvent, QAccessible::NoRole, QString(), nullptr};
}

// How many events of the type were seen, of parts of the role when one is given.
int Count(QAccessible::Event type, QAccessible::Role role = QAccessible::NoRole) {
    int count = 0;
    for (const TSeen& seen : Seen()) {
        count += seen.Type == type && (role == QAccessible::NoRole || seen.Role == role) ? 1 : 0;
    }
    return count;
}

// Qt's switch and the platform's: under the offscreen platform QAccessible::setActive alone
// leaves QAccessible::isActive() false, and Qt then delivers no event at all.
void SetAccessibility(bool on) {
    QAccessible::setActive(on);
    if (QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        platform->setActive(on);
    }
}

QAccessibleInterface* Table(const TForm1& form) {
    return QAccessible::queryAccessibleInterface(form.RzPanel1);
}

QString Name(QAccessibleInterface* iface) {
    return iface != nullptr ? iface->text(QAccessible::Name) : QStringLiteral("(none)");
}

QString ColumnHeader(QAccessibleInterface* cell) {
    const QList<QAccessibleInterface*> headers = cell->tableCellInterface()->columnHeaderCells();
    return headers.size() == 1 ? Name(headers[0]) : QString();
}

QString RowHeader(QAccessibleInterface* cell) {
    const QList<QAccessibleInterface*> headers = cell->tableCellInterface()->rowHeaderCells();
    return headers.size() == 1 ? Name(headers[0]) : QString();
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QAccessible::installUpdateHandler(Record);
        SetAccessibility(true);
        QVERIFY(QAccessible::isActive());
    }
    void cleanupTestCase() {
        SetAccessibility(false);
        QAccessible::installUpdateHandler(nullptr);
    }
    void init() { Seen().clear(); }

    void timetableIsATableOfTheShownTimes_data() {
        QTest::addColumn<bool>("twelveHours");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<QStringList>("prayers");  // the column headers, left to right
        QTest::addColumn<QString>("fajr");         // Wednesday's
        QTest::addColumn<QString>("maghrib");
        const QStringList forward{"Fajr", "Shrook", "Dhuhr", "Asr", "Maghrib", "Isha"};
        QStringList backward = forward;
        std::reverse(backward.begin(), backward.end());
        QTest::newRow("12-hour clock, right to left (the defaults)")
            << true << true << backward << WednesdayFajr12 << WednesdayMaghrib12;
        QTest::newRow("12-hour clock, left to right")
            << true << false << forward << WednesdayFajr12 << WednesdayMaghrib12;
        QTest::newRow("24-hour clock, right to left")
            << false << true << backward << QStringLiteral("4:48") << WednesdayMaghrib24;
    }
    void timetableIsATableOfTheShownTimes() {
        QFETCH(bool, twelveHours);
        QFETCH(bool, rightToLeft);
        QFETCH(QStringList, prayers);
        QFETCH(QString, fajr);
        QFETCH(QString, maghrib);
        const auto form = ShowForm();
        form->cb12hours->setChecked(twelveHours);
        form->cbRightToLeft->setChecked(rightToLeft);

        QAccessibleInterface* table = Table(*form);
        QVERIFY(table != nullptr);
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(Name(table), QStringLiteral("Prayer times"));
        QAccessibleTableInterface* cells = table->tableInterface();
        QVERIFY(cells != nullptr);
        QCOMPARE(cells->rowCount(), 7);
        QCOMPARE(cells->columnCount(), 6);
        QCOMPARE(cells->selectedRows(), QList<int>{WednesdayRow});

        const QRegularExpression time(twelveHours
                                          ? QStringLiteral("^(1[0-2]|[1-9]):[0-5][0-9] [AP]M$")
                                          : QStringLiteral("^[0-9]{1,2}:[0-5][0-9]$"));
        int timesRead = 0;
        for (int row = 0; row < 7; ++row) {
            for (int column = 0; column < 6; ++column) {
                QAccessibleInterface* cell = cells->cellAt(row, column);
                QVERIFY(cell != nullptr);
                QCOMPARE(cell->role(), QAccessible::Cell);
                QCOMPARE(cell->parent(), table);
                QCOMPARE(table->indexOfChild(cell), row * 6 + column);
                QCOMPARE(table->child(row * 6 + column), cell);
                QCOMPARE(cell->tableCellInterface()->rowIndex(), row);
                QCOMPARE(cell->tableCellInterface()->columnIndex(), column);
                // The window draws the same time, without its half of the day.
                const QString name = Name(cell);
                QVERIFY2(time.match(name).hasMatch(), qPrintable(name));
                QCOMPARE(name.section(u' ', 0, 0), form->TimeTexts[column][row + 1].trimmed());
                if (twelveHours) {
                    const bool morning = prayers[column] == u"Fajr" || prayers[column] == u"Shrook";
                    QCOMPARE(name.endsWith(u"AM"), morning);
                }
                QCOMPARE(ColumnHeader(cell), prayers[column]);
                QCOMPARE(RowHeader(cell), cells->rowDescription(row));
                QCOMPARE(cell->state().selected, row == WednesdayRow);
                ++timesRead;
            }
        }
        QCOMPARE(timesRead, 42);
        for (int column = 0; column < 6; ++column) {
            QCOMPARE(cells->columnDescription(column), prayers[column]);
        }
        QCOMPARE(cells->rowDescription(0), SaturdayHeader);
        QCOMPARE(cells->rowDescription(WednesdayRow), WednesdayHeader);
        QCOMPARE(Name(cells->cellAt(WednesdayRow, prayers.indexOf(u"Fajr"))), fajr);
        QCOMPARE(Name(cells->cellAt(WednesdayRow, prayers.indexOf(u"Maghrib"))), maghrib);

        // Each cell stands where the grid draws it, and is found there.
        const int column = prayers.indexOf(u"Fajr");
        const QRect drawn = form->Grid->CellRect(column, FixedTodayRow);
        QAccessibleInterface* wednesdayFajr = cells->cellAt(WednesdayRow, column);
        QCOMPARE(wednesdayFajr->rect(),
                 QRect(form->Grid->mapToGlobal(drawn.topLeft()), drawn.size()));
        QCOMPARE(
            table->childAt(wednesdayFajr->rect().center().x(), wednesdayFajr->rect().center().y()),
            wednesdayFajr);
    }

    void fieldsAreNamedByTheirLabels() {
        const auto form = ShowForm();
        const std::array<std::pair<QWidget*, QString>, 5> fields{{
            {form->spinDegLat, QStringLiteral("Latitude")},
            {form->spinDegLong, QStringLiteral("Longitude")},
            {form->spinHrsGmt, QStringLiteral("GMT hours")},
            {form->spinMinutGmt, QStringLiteral("GMT minutes")},
            {form->spinElevation, QStringLiteral("Elevation")},
        }};
        for (const auto& [field, name] : fields) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(field);
            QCOMPARE(iface->role(), QAccessible::SpinBox);
            QCOMPARE(Name(iface), name);
        }
        QAccessibleInterface* date = QAccessible::queryAccessibleInterface(form->edCalendar);
        QCOMPARE(Name(date), QStringLiteral("Date"));
        QCOMPARE(date->text(QAccessible::Value), QStringLiteral("Wednesday 10 April 2024"));
        QAccessibleTextInterface* text = date->textInterface();
        QVERIFY(text != nullptr);
        QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("Wednesday 10 April 2024"));
        QVERIFY(date->state().readOnly);
        QTest::keyClick(form->edCalendar, Qt::Key_Up);
        QCOMPARE(date->text(QAccessible::Value), QStringLiteral("Thursday 11 April 2024"));
        // The list of further methods is named for what it chooses (Qt reads a combo box's
        // name from it on Windows and macOS; on Linux from a label, which it has none) and
        // reads its method: none while a button's method is checked, its own under "Other:".
        QAccessibleInterface* other = QAccessible::queryAccessibleInterface(form->cbOtherMethod);
        QCOMPARE(other->role(), QAccessible::ComboBox);
        QCOMPARE(form->cbOtherMethod->accessibleName(), QStringLiteral("Other calculation method"));
        QCOMPARE(other->text(QAccessible::Value), QString());
        form->rgCalcMethod->SetItemIndex(TForm1::OtherMethodItem);
        QCOMPARE(other->text(QAccessible::Value), QStringLiteral("Gulf Region"));
        form->rgCalcMethod->SetItemIndex(0);
        QCOMPARE(other->text(QAccessible::Value), QString());
        // The find field and the towns it lists.
        QAccessibleInterface* find = QAccessible::queryAccessibleInterface(form->edFindPlace);
        QCOMPARE(find->role(), QAccessible::EditableText);
        QCOMPARE(Name(find), QStringLiteral("Find a town by name"));
        QTest::keyClicks(form->edFindPlace, QStringLiteral("Leeds"));
        QAccessibleInterface* towns =
            QAccessible::queryAccessibleInterface(form->edFindPlace->Matches());
        QCOMPARE(towns->role(), QAccessible::List);
        QCOMPARE(Name(towns), QStringLiteral("Towns found"));
        QVERIFY(towns->childCount() >= 1);
    }

    void cityListReadsItsGroupsAndCities() {
        const auto form = ShowForm();
        TCityList& cities = *form->CityList;
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&cities);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), cities.GroupCount());
        int citiesRead = 0;
        for (int g = 0; g < cities.GroupCount(); ++g) {
            QAccessibleInterface* group = list->child(g);
            QCOMPARE(list->indexOfChild(group), g);
            QCOMPARE(Name(group), QString::fromUtf8(cities.GroupInfo(g).Caption));
            QCOMPARE(group->state().expanded, cities.IsOpen(g));
            QStringList shown;
            for (int i = 0; i < cities.ItemCount(g); ++i) {
                if (cities.Item(g, i).Visible && cities.IsOpen(g)) {
                    shown << QString::fromUtf8(cities.Item(g, i).Caption);
                }
            }
            QCOMPARE(group->childCount(), shown.size());
            for (int c = 0; c < group->childCount(); ++c) {
                QAccessibleInterface* city = group->child(c);
                QCOMPARE(city->role(), QAccessible::ListItem);
                QCOMPARE(city->parent(), group);
                QCOMPARE(Name(city), shown[c]);
                QCOMPARE(city->state().selected, shown[c] == u"Mecca");
                ++citiesRead;
            }
        }
        QVERIFY(citiesRead > 1);

        // Choosing the next city with the keyboard selects it and moves the focus to it; the
        // recompute that follows renames the table's times.
        cities.setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(LastFocus().Name, QStringLiteral("Mecca"));
        Seen().clear();
        QTest::keyClick(&cities, Qt::Key_Down);
        const TCityEntry* chosen = form->City();
        QVERIFY(chosen != nullptr && chosen->Caption != "Mecca");
        const QString next = QString::fromUtf8(chosen->Caption);
        QCOMPARE(LastFocus().Name, next);
        QCOMPARE(LastFocus().Role, QAccessible::ListItem);
        QCOMPARE(Count(QAccessible::Selection), 1);
        QCOMPARE(Count(QAccessible::SelectionRemove), 1);
        QCOMPARE(Name(list->focusChild()), next);
        QCOMPARE(Count(QAccessible::TableModelChanged), 1);

        // PageDown opens the next group: its caption expands and its first city takes the focus.
        Seen().clear();
        QTest::keyClick(&cities, Qt::Key_PageDown);
        QCOMPARE(cities.OpenGroup(), 1);
        // One group closed, the next opened.
        QCOMPARE(Count(QAccessible::StateChanged, QAccessible::ListItem), 2);
        QVERIFY(list->child(1)->state().expanded && !list->child(0)->state().expanded);
        QCOMPARE(list->child(0)->childCount(), 0);
        QCOMPARE(LastFocus().Name, Name(list->child(1)->child(0)));
    }

    void arrowsMoveTheFocusFromTimeToTime_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        // Right to left, as the window starts: Fajr is the last column.
        QTest::newRow("start on the chosen day's Fajr") << QKeySequence() << WednesdayRow << 5;
        QTest::newRow("left") << QKeySequence(Qt::Key_Left) << WednesdayRow << 4;
        QTest::newRow("right at the edge stays")
            << QKeySequence(Qt::Key_Right) << WednesdayRow << 5;
        QTest::newRow("down, left")
            << QKeySequence(QKeyCombination(Qt::Key_Down), QKeyCombination(Qt::Key_Left))
            << WednesdayRow + 1 << 4;
        QTest::newRow("up at the top stays")
            << QKeySequence(QKeyCombination(Qt::CTRL | Qt::Key_Home), QKeyCombination(Qt::Key_Up))
            << 0 << 0;
        QTest::newRow("home of the row") << QKeySequence(Qt::Key_Home) << WednesdayRow << 0;
        QTest::newRow("home, then end of the row")
            << QKeySequence(QKeyCombination(Qt::Key_Home), QKeyCombination(Qt::Key_End))
            << WednesdayRow << 5;
        QTest::newRow("last time of the week") << QKeySequence(Qt::CTRL | Qt::Key_End) << 6 << 5;
    }
    void arrowsMoveTheFocusFromTimeToTime() {
        QFETCH(QKeySequence, keys);
        QFETCH(int, row);
        QFETCH(int, column);
        const auto form = ShowForm();
        QAccessibleInterface* table = Table(*form);
        form->RzPanel1->setFocus(Qt::TabFocusReason);
        // The panel takes the focus first, then its current cell.
        QTRY_COMPARE(LastFocus().Role, QAccessible::Cell);
        QCOMPARE(LastFocus().Row, WednesdayRow);
        const QImage before = form->grab().toImage();
        QTest::keySequence(form->RzPanel1, keys);
        const TSeen focus = LastFocus();
        QCOMPARE(focus.Role, QAccessible::Cell);
        QCOMPARE(focus.Row, row);
        QCOMPARE(focus.Column, column);
        QAccessibleInterface* cell = table->tableInterface()->cellAt(row, column);
        QCOMPARE(focus.Name, Name(cell));
        QCOMPARE(table->focusChild(), cell);
        QVERIFY(cell->state().focused);
        // What a screen reader says there: the day, the prayer, the time.
        QVERIFY(!RowHeader(cell).isEmpty() && !ColumnHeader(cell).isEmpty());
        // The current cell is not drawn.
        QCOMPARE(form->grab().toImage(), before);
    }

    void weekShortcutsStillWorkOnTheTable() {
        const auto form = ShowForm();
        form->RzPanel1->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(LastFocus().Role, QAccessible::Cell);
        Seen().clear();
        QTest::keyClick(form->RzPanel1, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(form->edCalendar->Value(), FixedToday() + 7);
        QCOMPARE(Count(QAccessible::TableModelChanged), 1);
        QCOMPARE(Count(QAccessible::Focus), 0);  // the current cell stayed
    }

    void recomputeRenamesTheChangedTimes() {
        const auto form = ShowForm();
        QAccessibleTableInterface* cells = Table(*form)->tableInterface();
        const QString fajrBefore = Name(cells->cellAt(WednesdayRow, 5));
        Seen().clear();
        form->edCalendar->SetValue(EncodeDate(2024, 10, 29));  // another week, Tuesday
        QCOMPARE(Count(QAccessible::TableModelChanged), 1);
        QVERIFY(Count(QAccessible::NameChanged) >= 42 + 7);  // every time and every day
        QCOMPARE(cells->selectedRows(), QList<int>{3});
        QCOMPARE(cells->rowDescription(3).section(u',', 0, 0),
                 QStringLiteral("Tuesday 29 October 2024"));
        QVERIFY(Name(cells->cellAt(WednesdayRow, 5)) != fajrBefore);
        for (const TSeen& seen : Seen()) {
            if (seen.Type == QAccessible::NameChanged && seen.Role == QAccessible::Cell) {
                QCOMPARE(seen.Name, Name(cells->cellAt(seen.Row, seen.Column)));
            }
        }
        // A recompute that changes nothing tells nothing.
        Seen().clear();
        form->RefreshTimetable();
        QCOMPARE(Count(QAccessible::TableModelChanged), 0);
        QCOMPARE(Count(QAccessible::NameChanged), 0);
    }
};

ORVANDEL_UI_TEST(AccessibilityTest);

}  // namespace orvandel::test

#include "AccessibilityTest.moc"
