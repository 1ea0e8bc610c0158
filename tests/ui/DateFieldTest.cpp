// The date field: month and year steps clip the day, every step keeps the time of day, keys
// are the only way to change it, and each change is raised once.
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "tests/ui/UiTestSupport.h"
#include "ui/DateField.h"

namespace orvandel::test {

namespace {
TCivilDate Civil(TDateTime value) {
    return DecodeDate(value);
}
}  // namespace

class DateFieldTest : public QObject {
    Q_OBJECT
  private slots:
    void incMonths_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("months");
        QTest::addColumn<int>("toYear");  // 0: refused
        QTest::addColumn<int>("toMonth");
        QTest::addColumn<int>("toDay");
        QTest::newRow("31 Jan 2024 +1 -> 29 Feb (leap)") << 2024 << 1 << 31 << 1 << 2024 << 2 << 29;
        QTest::newRow("31 Jan 1900 +1 -> 28 Feb (not leap)")
            << 1900 << 1 << 31 << 1 << 1900 << 2 << 28;
        QTest::newRow("31 May +1 -> 30 Jun") << 2024 << 5 << 31 << 1 << 2024 << 6 << 30;
        QTest::newRow("31 Dec 2023 +1 -> 31 Jan 2024") << 2023 << 12 << 31 << 1 << 2024 << 1 << 31;
        QTest::newRow("29 Feb 2024 +12 -> 28 Feb 2025") << 2024 << 2 << 29 << 12 << 2025 << 2 << 28;
        QTest::newRow("29 Feb 2024 +48 -> 29 Feb 2028") << 2024 << 2 << 29 << 48 << 2028 << 2 << 29;
        QTest::newRow("Dec 9999 +1 refused") << 9999 << 12 << 1 << 1 << 0 << 0 << 0;
        QTest::newRow("Jan 1 -1 refused") << 1 << 1 << 1 << -1 << 0 << 0 << 0;
        // The week of 1 to 5 January 1 would begin in year 0.
        QTest::newRow("3 Feb 1 -1 refused") << 1 << 2 << 3 << -1 << 0 << 0 << 0;
        QTest::newRow("10 Feb 1 -1 -> 10 Jan 1") << 1 << 2 << 10 << -1 << 1 << 1 << 10;
    }
    void incMonths() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, months);
        QFETCH(int, toYear);
        QFETCH(int, toMonth);
        QFETCH(int, toDay);
        const TDateTime start = EncodeDate(year, month, day) + 0.75;  // 18:00
        const std::optional<TDateTime> next = IncMonths(start, months);
        if (toYear == 0) {
            QVERIFY(!next.has_value());
            return;
        }
        QVERIFY(next.has_value());
        QCOMPARE(Civil(*next), (TCivilDate{toYear, toMonth, toDay}));
        QCOMPARE(SerialTime(*next), SerialTime(start));
    }

    void keys_data() {
        QTest::addColumn<TDateTime>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<TDateTime>("expected");
        const TDateTime t = 0.75;  // every row starts at 18:00 and must end at 18:00
        QTest::newRow("Up across January's end") << EncodeDate(2024, 1, 31) + t << int(Qt::Key_Up)
                                                 << false << EncodeDate(2024, 2, 1) + t;
        QTest::newRow("Down across February's start")
            << EncodeDate(2024, 3, 1) + t << int(Qt::Key_Down) << false
            << EncodeDate(2024, 2, 29) + t;
        QTest::newRow("Up across the year's end") << EncodeDate(2023, 12, 31) + t << int(Qt::Key_Up)
                                                  << false << EncodeDate(2024, 1, 1) + t;
        QTest::newRow("PageUp on 31 January") << EncodeDate(2024, 1, 31) + t << int(Qt::Key_PageUp)
                                              << false << EncodeDate(2024, 2, 29) + t;
        QTest::newRow("PageDown on 31 March")
            << EncodeDate(2023, 3, 31) + t << int(Qt::Key_PageDown) << false
            << EncodeDate(2023, 2, 28) + t;
        QTest::newRow("Shift+PageUp on 29 February 2024")
            << EncodeDate(2024, 2, 29) + t << int(Qt::Key_PageUp) << true
            << EncodeDate(2025, 2, 28) + t;
        QTest::newRow("Down before 1900, negative serial")
            << EncodeDate(1899, 12, 30) + t << int(Qt::Key_Down) << false
            << EncodeDate(1899, 12, 29) + t;
        QTest::newRow("Shift+PageDown on 29 February 2024")
            << EncodeDate(2024, 2, 29) + t << int(Qt::Key_PageDown) << true
            << EncodeDate(2023, 2, 28) + t;
    }
    void keys() {
        QFETCH(TDateTime, start);
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(TDateTime, expected);
        TDateField field;
        field.SetValue(start);
        QSignalSpy changed(&field, &TDateField::Changed);
        QTest::keyClick(&field, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(Civil(field.Value()), Civil(expected));
        QVERIFY(std::abs(SerialTime(field.Value()) - SerialTime(expected)) < 1e-9);
        QCOMPARE(changed.count(), 1);
    }

    void typingAndTheDropDownChangeNothing() {
        TDateField field;
        const TDateTime start = EncodeDate(2024, 4, 10);
        field.SetValue(start);
        const QString shown = field.text();
        QSignalSpy changed(&field, &TDateField::Changed);
        QTest::keyClicks(&field, "12-May-2030");
        QTest::keyClick(&field, Qt::Key_Backspace);
        QTest::mouseClick(field.DropDownButton(), Qt::LeftButton);
        QCOMPARE(field.Value(), start);
        QCOMPARE(field.text(), shown);
        QCOMPARE(changed.count(), 0);
    }

    void stepBeyondTheLastYearIsRefused() {
        TDateField field;
        field.SetValue(EncodeDate(9999, 12, 31));
        QSignalSpy changed(&field, &TDateField::Changed);
        QTest::keyClick(&field, Qt::Key_Up);
        QTest::keyClick(&field, Qt::Key_PageUp, Qt::ShiftModifier);
        QCOMPARE(Civil(field.Value()), (TCivilDate{9999, 12, 31}));
        QCOMPARE(changed.count(), 0);
    }

    // The week of 1 to 5 January 1 would begin in year 0: the first Saturday is the earliest day.
    void stepBeforeTheFirstFullWeekIsRefused() {
        TDateField field;
        field.SetValue(EncodeDate(1, 1, 6));
        QSignalSpy changed(&field, &TDateField::Changed);
        QTest::keyClick(&field, Qt::Key_Down);
        QTest::keyClick(&field, Qt::Key_PageDown);
        QTest::keyClick(&field, Qt::Key_PageDown, Qt::ShiftModifier);
        QCOMPARE(Civil(field.Value()), (TCivilDate{1, 1, 6}));
        QCOMPARE(changed.count(), 0);
    }
};

ORVANDEL_UI_TEST(DateFieldTest);

}  // namespace orvandel::test

#include "DateFieldTest.moc"
