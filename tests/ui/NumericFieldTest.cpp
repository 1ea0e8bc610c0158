// The window's numeric fields: a key that is not part of a number is refused; a number outside
// the range stays as typed, in red, is never applied, and gives way to the last valid value on
// Enter or leaving the field; a typed decimal separator is accepted; every committed value
// recomputes once; page steps and the range.
#include <QLineEdit>

#include "tests/ui/UiTestSupport.h"
#include "ui/Colors.h"
#include "ui/DateField.h"
#include "ui/NumericField.h"

namespace orvandel::test {

namespace {

enum Field { Latitude, Longitude, Hours, Minutes, Elevation };

QAbstractSpinBox* FieldOf(TForm1& form, int field) {
    switch (field) {
        case Latitude:
            return form.spinDegLat;
        case Longitude:
            return form.spinDegLong;
        case Hours:
            return form.spinHrsGmt;
        case Minutes:
            return form.spinMinutGmt;
        default:
            return form.spinElevation;
    }
}

double ValueOf(QAbstractSpinBox* box) {
    if (auto* real = qobject_cast<QDoubleSpinBox*>(box)) {
        return real->value();
    }
    return qobject_cast<QSpinBox*>(box)->value();
}

QLineEdit* EditorOf(QAbstractSpinBox* box) {
    return box->findChild<QLineEdit*>();
}

void SetValue(QAbstractSpinBox* box, double value) {
    if (auto* real = qobject_cast<QDoubleSpinBox*>(box)) {
        real->setValue(value);
    } else {
        qobject_cast<QSpinBox*>(box)->setValue(static_cast<int>(value));
    }
}

// The value each field holds before a row types into it.
constexpr double StartValues[] = {10.0, 20.0, 3.0, 0.0, 0.0};

}  // namespace

class NumericFieldTest : public QObject {
    Q_OBJECT
  private slots:
    // Typed key by key over the whole text, then Enter and leaving the field. Each field
    // starts from StartValues. An out-of-range number is shown as typed, in red, until Enter,
    // and again until the field is left.
    void typed_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("expected");
        QTest::addColumn<int>("recomputes");
        QTest::addColumn<bool>("outOfRange");
        QTest::newRow("latitude with a point")
            << int(Latitude) << "21.4225" << 21.4225 << 1 << false;
        QTest::newRow("latitude with a comma")
            << int(Latitude) << "21,4225" << 21.4225 << 1 << false;
        QTest::newRow("negative longitude")
            << int(Longitude) << "-73.7321" << -73.7321 << 1 << false;
        QTest::newRow("letters into elevation") << int(Elevation) << "abc" << 0.0 << 0 << false;
        QTest::newRow("letters into latitude") << int(Latitude) << "north" << 10.0 << 0 << false;
        QTest::newRow("minus into elevation") << int(Elevation) << "-" << 0.0 << 0 << false;
        QTest::newRow("fifth decimal refused")
            << int(Latitude) << "1.23456" << 1.2345 << 1 << false;
        QTest::newRow("same value again") << int(Hours) << "3" << 3.0 << 0 << false;
        QTest::newRow("latitude 75 is not 7") << int(Latitude) << "75" << 10.0 << 0 << true;
        QTest::newRow("Helsinki's latitude") << int(Latitude) << "60.17" << 60.17 << 1 << false;
        QTest::newRow("latitude at the sunrise limit")
            << int(Latitude) << "-65.7273" << -65.7273 << 1 << false;
        QTest::newRow("Tromso's latitude") << int(Latitude) << "69.65" << 10.0 << 0 << true;
        QTest::newRow("longitude -200") << int(Longitude) << "-200" << 20.0 << 0 << true;
        QTest::newRow("minutes 75") << int(Minutes) << "75" << 0.0 << 0 << true;
        QTest::newRow("hours 26") << int(Hours) << "26" << 3.0 << 0 << true;
        QTest::newRow("elevation 12345 is not 1234")
            << int(Elevation) << "12345" << 0.0 << 0 << true;
    }
    void typed() {
        QFETCH(int, field);
        QFETCH(QString, keys);
        QFETCH(double, expected);
        QFETCH(int, recomputes);
        QFETCH(bool, outOfRange);
        const auto form = ShowForm();
        QAbstractSpinBox* box = FieldOf(*form, field);
        SetValue(box, StartValues[field]);
        const QString shown = EditorOf(box)->text();
        for (const bool byEnter : {true, false}) {
            box->setFocus();
            box->selectAll();
            const int before = form->RefreshCount();
            QTest::keyClicks(box, keys);
            QCOMPARE(form->RefreshCount(), before);  // nothing before the value is committed
            QCOMPARE(EditorOf(box)->palette().color(QPalette::Text),
                     outOfRange ? CurrentDayRed : FormText);
            if (outOfRange) {
                QCOMPARE(EditorOf(box)->text(), keys);
                QCOMPARE(ValueOf(box), StartValues[field]);
                // The latitude field names its limit and why.
                QVERIFY(field != Latitude ||
                        box->toolTip().contains(QStringLiteral("-65.7273 to 65.7273 degrees")));
            }
            if (byEnter) {
                QTest::keyClick(box, Qt::Key_Return);
            }
            form->edCalendar->setFocus();  // leaving the field commits nothing more after Enter
            QCOMPARE(ValueOf(box), expected);
            QCOMPARE(form->RefreshCount(), before + recomputes);
            QCOMPARE(EditorOf(box)->palette().color(QPalette::Text), FormText);
            if (!outOfRange) {
                break;
            }
            QCOMPARE(EditorOf(box)->text(), shown);
        }
    }

    // Above sea level the latitude field takes less, and at a high latitude the elevation
    // field less: each refuses a value under which the sun stays up on some day, and names
    // the limit, without clipping the value the other holds.
    void latitudeAndElevationLimitEachOther() {
        const auto form = ShowForm();
        form->spinElevation->setValue(300);
        QCOMPARE(form->spinDegLat->maximum(), 65.1714);
        QVERIFY(form->spinDegLat->toolTip().contains(QStringLiteral("65.1714")));
        form->spinDegLat->setValue(65.5);  // clipped to the limit at 300 m, as a step would be
        QCOMPARE(form->spinDegLat->value(), 65.1714);
        form->spinElevation->setValue(0);
        QCOMPARE(form->spinDegLat->maximum(), 65.7273);
        form->spinDegLat->setValue(65.5);
        QCOMPARE(form->spinDegLat->value(), 65.5);
        const int highest = form->spinElevation->maximum();
        QVERIFY(highest > 0 && highest < 300);
        QVERIFY(form->spinElevation->toolTip().contains(QString::number(highest)));
        form->spinElevation->setFocus();
        form->spinElevation->selectAll();
        QTest::keyClicks(form->spinElevation, QStringLiteral("300"));
        QTest::keyClick(form->spinElevation, Qt::Key_Return);
        QCOMPARE(form->spinElevation->value(), 0);  // refused: the sun would not set in June
        QCOMPARE(form->spinDegLat->value(), 65.5);
        // A city writes its whole place, whatever the fields held.
        form->SelectCity(76);
        QCOMPARE(form->spinDegLat->value(), 51.5);
        QCOMPARE(form->spinElevation->maximum(), 9999);
        QVERIFY(form->spinElevation->toolTip().isEmpty());
    }

    // Text put into the field as a whole (pasted) that the field cannot take: it returns to the
    // last valid value and nothing is recomputed.
    void pasted_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("latitude beyond the limit") << int(Latitude) << "65.7274";
        QTest::newRow("longitude beyond -180") << int(Longitude) << "-200";
        QTest::newRow("minutes 75") << int(Minutes) << "75";
        QTest::newRow("elevation 10000") << int(Elevation) << "10000";
        QTest::newRow("not a number") << int(Latitude) << "12a";
        QTest::newRow("only a sign") << int(Hours) << "-";
    }
    void pasted() {
        QFETCH(int, field);
        QFETCH(QString, text);
        const auto form = ShowForm();
        QAbstractSpinBox* box = FieldOf(*form, field);
        const double value = ValueOf(box);
        const QString shown = EditorOf(box)->text();
        box->setFocus();
        const int before = form->RefreshCount();
        EditorOf(box)->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
        form->edCalendar->setFocus();
        QCOMPARE(ValueOf(box), value);
        QCOMPARE(EditorOf(box)->text(), shown);
        QCOMPARE(form->RefreshCount(), before);
    }

    void steps_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<double>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<double>("expected");
        QTest::newRow("latitude up 0.1") << int(Latitude) << 21.42 << int(Qt::Key_Up) << 21.52;
        QTest::newRow("latitude page stops at the sunrise limit")
            << int(Latitude) << 65.2 << int(Qt::Key_PageUp) << 65.7273;
        QTest::newRow("longitude page down stops at -180")
            << int(Longitude) << -179.5 << int(Qt::Key_PageDown) << -180.0;
        QTest::newRow("hours page 10") << int(Hours) << 3.0 << int(Qt::Key_PageDown) << -7.0;
        QTest::newRow("minutes page 15") << int(Minutes) << 0.0 << int(Qt::Key_PageUp) << 15.0;
        QTest::newRow("elevation step 10") << int(Elevation) << 0.0 << int(Qt::Key_Up) << 10.0;
        QTest::newRow("elevation page 100")
            << int(Elevation) << 0.0 << int(Qt::Key_PageUp) << 100.0;
    }
    void steps() {
        QFETCH(int, field);
        QFETCH(double, start);
        QFETCH(int, key);
        QFETCH(double, expected);
        const auto form = ShowForm();
        QAbstractSpinBox* box = FieldOf(*form, field);
        SetValue(box, start);
        box->setFocus();
        const int before = form->RefreshCount();
        QTest::keyClick(box, Qt::Key(key));
        QCOMPARE(ValueOf(box), expected);
        QCOMPARE(form->RefreshCount(), before + 1);
    }
};

ORVANDEL_UI_TEST(NumericFieldTest);

}  // namespace orvandel::test

#include "NumericFieldTest.moc"
