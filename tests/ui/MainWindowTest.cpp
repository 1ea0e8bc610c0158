// The window's behaviour as a user sees it: the start-up state, how often a change
// recomputes, the "Sunset based" rule, the city list and the footer's link to the README.
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QUrl>
#include <QWheelEvent>
#include <functional>
#include <optional>
#include <set>

#include "platform/TimeZone.h"
#include "tests/ui/UiTestSupport.h"
#include "timetable/CalcMethods.h"
#include "timetable/CityCatalogue.h"
#include "timetable/TableText.h"
#include "ui/Application.h"
#include "ui/CityList.h"
#include "ui/CrashReportDialog.h"
#include "ui/DateField.h"
#include "ui/DrawGrid.h"
#include "ui/NumericField.h"
#include "ui/PlaceFinder.h"
#include "ui/RadioGroup.h"
#include "ui/Translations.h"
#include "ui/UrlLabel.h"

namespace orvandel::test {

namespace {

constexpr int SaudiArabia = 0;
constexpr int MiddleEast = 1;
constexpr int Americas = 3;

void ClickCity(TForm1& form, int group, int item) {
    const QRect place = form.CityList->ItemRect(group, item);
    QVERIFY2(!place.isEmpty(), "the city is not shown");
    QTest::mouseClick(form.CityList, Qt::LeftButton, {}, place.center());
}

// The caption of the group's selected city; empty when none is selected.
std::string_view SelectedCaption(const TForm1& form, int group) {
    for (int i = 0; i < form.CityList->ItemCount(group); ++i) {
        if (form.CityList->IsSelected(group, i)) {
            return form.CityList->Item(group, i).Caption;
        }
    }
    return {};
}

void ClickCaption(TForm1& form, int group) {
    QTest::mouseClick(form.CityList, Qt::LeftButton, {},
                      form.CityList->CaptionRect(group).center());
}

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Counts the first paint of a widget and what the window had computed by then.
class FirstPaintProbe : public QObject {
  public:
    FirstPaintProbe(TForm1& form) : FForm(form) {}
    int RefreshesAtFirstPaint = -1;
    int RowAtFirstPaint = -1;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && RefreshesAtFirstPaint < 0) {
            RefreshesAtFirstPaint = FForm.RefreshCount();
            RowAtFirstPaint = FForm.CurrentDayRow;
        }
        return false;
    }

  private:
    TForm1& FForm;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void startUpState() {
        TForm1 form(FixedToday);
        FirstPaintProbe probe(form);
        form.Grid->installEventFilter(&probe);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCoreApplication::processEvents();

        QCOMPARE(form.windowTitle(), QStringLiteral("Tovrek   -   Orvandel"));
        QCOMPARE(form.size(), QSize(792, 520));
        QCOMPARE(form.focusWidget(), static_cast<QWidget*>(form.edCalendar));
        QVERIFY(!form.Updating());

        // Mecca, chosen from the open "Saudi Arabia" group.
        QCOMPARE(form.CityList->OpenGroup(), SaudiArabia);
        QCOMPARE(SelectedCaption(form, SaudiArabia), std::string_view("Mecca"));
        const TCityEntry& mecca = *FindCityByCaption("Mecca");
        QCOMPARE(form.spinDegLat->value(), mecca.Latitude);
        QCOMPARE(form.spinDegLong->value(), mecca.Longitude);
        QCOMPARE(form.spinHrsGmt->value(), mecca.GmtHours);
        QCOMPARE(form.spinMinutGmt->value(), mecca.GmtMinutes);
        QCOMPARE(form.spinElevation->value(), 0);
        QCOMPARE(form.rgCalcMethod->ItemIndex(), 3);  // Umm Al-Qura
        QCOMPARE(form.rgJuristic->ItemIndex(), 0);    // Standard
        QVERIFY(form.cb12hours->isChecked() && form.cb12hours->isEnabled());
        QVERIFY(form.cbAddSafetyTime->isChecked());
        QVERIFY(form.cbRightToLeft->isChecked());
        QVERIFY(!form.cbRoundMinutes->isChecked());
        QVERIFY(!form.cbSunsetBased->isChecked() && form.cbSunsetBased->isEnabled());

        // Today's week, today's row, computed before the grid was first painted.
        QCOMPARE(form.edCalendar->Value(), FixedToday());
        QCOMPARE(form.CurrentDayRow, FixedTodayRow);
        QVERIFY(probe.RefreshesAtFirstPaint >= 1);
        QCOMPARE(probe.RowAtFirstPaint, FixedTodayRow);

        // The stored texts are those of the week computed from these settings.
        TimetableSettings expected;
        expected.Date = FixedToday();
        expected.Latitude = mecca.Latitude;
        expected.Longitude = mecca.Longitude;
        expected.GmtHours = mecca.GmtHours;
        expected.GmtMinutes = mecca.GmtMinutes;
        expected.CalcMethod = UmmAlQura;
        TimetableEngine engine;
        const Timetable week = engine.ComputeWeek(expected);
        QCOMPARE(week.CurrentDayRow, FixedTodayRow);
        for (int col = 0; col < 6; ++col) {
            QCOMPARE(form.Grid->Cell(col, 0), QString::fromStdString(week.HeaderTexts[col]));
        }
        QCOMPARE(form.Grid->Cell(5, 0), QStringLiteral(" Fajr"));  // right to left
        for (int row = 1; row <= 7; ++row) {
            const TimetableDay& day = week.Days[row - 1];
            QCOMPARE(form.ColCities->Cell(0, row), QString::fromStdString(day.CivilDateText));
            QCOMPARE(form.HijriDateTexts[row], QString::fromStdString(day.HijriDateText));
            for (int prayer = 0; prayer < 6; ++prayer) {
                const int col = week.ColumnOf(prayer);
                QCOMPARE(form.Grid->Cell(col, row), QString::fromStdString(day.GridTexts[prayer]));
                QCOMPARE(form.TimeTexts[col][row], QString::fromStdString(day.TimeTexts[prayer]));
            }
        }
        QCOMPARE(form.ColCities->Cell(0, 1),
                 QString::fromStdString(FormatDateTime("ddd dd-mmm-yyyy", EncodeDate(2024, 4, 6))));
    }

    void cityClickRecomputesOnce() {
        const auto form = ShowForm();
        const int before = form->RefreshCount();
        ClickCity(*form, SaudiArabia, 6);
        QCOMPARE(form->RefreshCount(), before + 1);
        QCOMPARE(form->spinDegLat->value(), form->CityList->Item(SaudiArabia, 6).Latitude);
        QCOMPARE(form->spinDegLong->value(), form->CityList->Item(SaudiArabia, 6).Longitude);
        QCOMPARE(SelectedCaption(*form, SaudiArabia), form->CityList->Item(SaudiArabia, 6).Caption);
    }

    // Choosing a city writes every field of its catalogue entry, whatever the user had typed
    // or chosen, and recomputes once.
    void cityValues_data() {
        QTest::addColumn<int>("tag");
        QTest::newRow("Mecca again resets the edits") << 15;
        QTest::newRow("Tehran, half-hour offset") << 24;
        QTest::newRow("Los Angeles, ISNA, far west") << 50;
        QTest::newRow("Montreal, hidden yet applied") << 48;
        QTest::newRow("Christchurch, far south-east") << 88;
        QTest::newRow("Kabul, half-hour offset") << 61;
        QTest::newRow("Jakarta, Kemenag under Other:") << 68;
        QTest::newRow("Istanbul, Diyanet under Other:") << 33;
    }
    void cityValues() {
        QFETCH(int, tag);
        const TCityEntry* city = FindCityByTag(tag);
        QVERIFY(city != nullptr);
        const auto form = ShowForm();
        form->spinElevation->setValue(250);
        form->rgJuristic->SetItemIndex(1);
        form->rgCalcMethod->SetItemIndex(1);
        form->spinMinutGmt->setValue(45);
        const int before = form->RefreshCount();
        form->SelectCity(tag);
        QCOMPARE(form->RefreshCount(), before + 1);
        QVERIFY(!form->Updating());
        QCOMPARE(form->spinDegLat->value(), city->Latitude);
        QCOMPARE(form->spinDegLong->value(), city->Longitude);
        QCOMPARE(form->spinHrsGmt->value(), city->GmtHours);
        QCOMPARE(form->spinMinutGmt->value(), city->GmtMinutes);
        QCOMPARE(form->spinElevation->value(), city->Elevation);
        QCOMPARE(form->CalcMethodIndex(), city->CalcMethod);
        // A method without its own button shows as "Other:" with its caption in the list.
        const bool other = city->CalcMethod >= TForm1::ButtonMethods;
        QCOMPARE(form->rgCalcMethod->ItemIndex(),
                 other ? TForm1::OtherMethodItem : city->CalcMethod);
        if (other) {
            QCOMPARE(form->cbOtherMethod->currentText().toStdString(),
                     std::string(CalcMethods()[static_cast<size_t>(city->CalcMethod)].Caption));
        }
        QCOMPARE(form->rgJuristic->ItemIndex(), city->Juristic);
    }

    // Each group, opened, shows its visible cities one under another below its caption, a
    // hidden one (Montreal) taking no row; the next caption follows its last city; and it takes
    // the same space beyond its rows as every other group.
    void anOpenGroupIsAsTallAsItsRows() {
        const auto form = ShowForm();
        TCityList& list = *form->CityList;
        for (int g = 0; g < list.GroupCount(); ++g) {
            list.Close(g);
        }
        const int closedHeight = list.sizeHint().height();
        std::set<int> beyondRows;
        int hidden = 0;
        for (int g = 0; g < list.GroupCount(); ++g) {
            list.Open(g);
            int bottom = list.CaptionRect(g).bottom(), rows = 0;
            for (int i = 0; i < list.ItemCount(g); ++i) {
                const QRect item = list.ItemRect(g, i);
                if (!list.Item(g, i).Visible) {
                    QVERIFY(item.isEmpty());
                    ++hidden;
                    continue;
                }
                QVERIFY(rows == 0 ? item.top() > bottom : item.top() == bottom + 1);
                bottom = item.bottom();
                ++rows;
            }
            QVERIFY(rows > 0);
            const bool last = g + 1 == list.GroupCount();
            QVERIFY(bottom < (last ? list.sizeHint().height() : list.CaptionRect(g + 1).top()));
            beyondRows.insert(list.sizeHint().height() - closedHeight -
                              rows * TCityList::ItemHeight);
        }
        QCOMPARE(beyondRows.size(), size_t{1});
        QVERIFY(hidden > 0);  // the hidden branch above was exercised
    }

    // Whatever a group's row count, every caption and every city can be brought into view with
    // the wheel and clicked, and the city that Down and Up choose comes into view. The scroll
    // bar shows exactly while the open group makes the list taller than its box: in the
    // window's box, with the catalogue as it is, never; in a shorter box, for most groups.
    void everyCaptionAndCityCanBeReached_data() {
        QTest::addColumn<int>("shorter");  // pixels taken off the list's box
        QTest::newRow("the window's box") << 0;
        QTest::newRow("as tall as the list with its tallest group open") << -1;
        QTest::newRow("a box 200 pixels shorter") << 200;
    }
    void everyCaptionAndCityCanBeReached() {
        QFETCH(int, shorter);
        const auto form = ShowForm();
        TCityList& list = *form->CityList;
        if (shorter < 0) {
            int tallest = 0;
            for (int g = 0; g < list.GroupCount(); ++g) {
                list.Open(g);
                tallest = std::max(tallest, list.sizeHint().height());
            }
            shorter = list.height() - tallest;
        }
        list.resize(list.width(), list.height() - shorter);
        const QScrollBar* bar = list.findChild<QScrollBar*>();
        QVERIFY(bar != nullptr);
        const auto shown = [&](const QRect& place) {  // wholly, and clear of the scroll bar
            return list.rect()
                .adjusted(0, 0, bar->isVisible() ? -bar->width() : 0, 0)
                .contains(place);
        };
        const auto wheelTo = [&](const std::function<QRect()>& place) {
            for (int turn = 0; turn < 100 && !shown(place()); ++turn) {
                const QPoint at = list.rect().center();
                QWheelEvent wheel(at, list.mapToGlobal(at), {}, {0, place().top() < 0 ? 120 : -120},
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QCoreApplication::sendEvent(&list, &wheel);
                // The rows moved under the still pointer: its shape follows what is under it.
                bool onRow = false;
                for (int g = 0; g < list.GroupCount(); ++g) {
                    onRow |= list.CaptionRect(g).contains(at);
                    for (int i = 0; i < list.ItemCount(g); ++i) {
                        onRow |= list.ItemRect(g, i).contains(at);
                    }
                }
                if (list.cursor().shape() != (onRow ? Qt::PointingHandCursor : Qt::ArrowCursor)) {
                    return false;
                }
            }
            return shown(place());
        };
        ClickCaption(*form, list.OpenGroup());  // closes the start-up group
        QCOMPARE(list.OpenGroup(), -1);
        for (int g = 0; g < list.GroupCount(); ++g) {
            const std::string caption(list.GroupInfo(g).Caption);
            QVERIFY2(wheelTo([&] { return list.CaptionRect(g); }), caption.c_str());
            ClickCaption(*form, g);
            QCOMPARE(list.OpenGroup(), g);
            QCOMPARE(bar->isVisible(), list.sizeHint().height() > list.height());
            std::vector<int> rows;  // the visible cities
            for (int i = 0; i < list.ItemCount(g); ++i) {
                if (list.Item(g, i).Visible) {
                    rows.push_back(i);
                }
            }
            // The first city, then down to the last and back up by the keys, then every city
            // clicked from the last up, so that each click changes the selection.
            std::vector<std::pair<Qt::Key, int>> steps{{Qt::Key_unknown, rows.front()}};
            for (size_t n = 1; n < rows.size(); ++n) {
                steps.emplace_back(Qt::Key_Down, rows[n]);
            }
            for (size_t n = rows.size() - 1; n-- > 0;) {
                steps.emplace_back(Qt::Key_Up, rows[n]);
            }
            for (size_t n = rows.size(); n-- > 0;) {
                steps.emplace_back(Qt::Key_unknown, rows[n]);
            }
            for (const auto& [key, i] : steps) {
                const std::string city(list.Item(g, i).Caption);
                if (key == Qt::Key_unknown) {
                    QVERIFY2(wheelTo([&] { return list.ItemRect(g, i); }), city.c_str());
                    ClickCity(*form, g, i);
                } else {
                    QTest::keyClick(&list, key);
                    QVERIFY2(shown(list.ItemRect(g, i)), city.c_str());
                }
                QCOMPARE(SelectedCaption(*form, g), list.Item(g, i).Caption);
            }
            for (int h = list.GroupCount(); h-- > 0;) {  // every caption, the bottom one first
                QVERIFY2(wheelTo([&] { return list.CaptionRect(h); }), caption.c_str());
            }
        }
        const int last = list.GroupCount() - 1;  // the last group, still open, closed
        QVERIFY(wheelTo([&] { return list.CaptionRect(last); }));
        ClickCaption(*form, last);
        QCOMPARE(list.OpenGroup(), -1);
        QVERIFY(!bar->isVisible());
    }

    void unknownTagsChangeNoFieldButRecompute_data() {
        QTest::addColumn<int>("tag");
        // The first tag above the first city's that no city has.
        int gap = CityCatalogue().front().Tag;
        while (FindCityByTag(gap) != nullptr) {
            ++gap;
        }
        QTest::newRow("a gap") << gap;
        QTest::newRow("0, outside") << 0;
    }
    void unknownTagsChangeNoFieldButRecompute() {
        QFETCH(int, tag);
        const auto form = ShowForm();
        form->spinDegLat->setValue(10.5);
        form->rgJuristic->SetItemIndex(1);
        const int before = form->RefreshCount();
        form->SelectCity(tag);
        QCOMPARE(form->RefreshCount(), before + 1);
        QCOMPARE(form->spinDegLat->value(), 10.5);
        QCOMPARE(form->spinDegLong->value(), FindCityByTag(15)->Longitude);
        QCOMPARE(form->rgJuristic->ItemIndex(), 1);
        QCOMPARE(form->rgCalcMethod->ItemIndex(), 3);
    }

    void sunsetBasedForcesTwelveHours() {
        const auto form = ShowForm();
        Click(form->cb12hours);
        QVERIFY(!form->cb12hours->isChecked());
        int before = form->RefreshCount();
        Click(form->cbSunsetBased);
        QVERIFY(form->cbSunsetBased->isChecked());
        QVERIFY(form->cb12hours->isChecked());
        QVERIFY(!form->cb12hours->isEnabled());
        QCOMPARE(form->RefreshCount(), before + 1);

        before = form->RefreshCount();
        Click(form->cbSunsetBased);
        QVERIFY(!form->cbSunsetBased->isChecked());
        QVERIFY(form->cb12hours->isEnabled());
        QVERIFY(form->cb12hours->isChecked());
        QCOMPARE(form->RefreshCount(), before + 1);
    }

    void openingAnotherGroupEndsSunsetBased() {
        const auto form = ShowForm();
        Click(form->cbSunsetBased);
        QVERIFY(form->cbSunsetBased->isChecked());
        const int before = form->RefreshCount();
        ClickCaption(*form, MiddleEast);
        QCOMPARE(form->RefreshCount(), before + 2);  // the option, then the first city
        QVERIFY(!form->cbSunsetBased->isChecked());
        QVERIFY(!form->cbSunsetBased->isEnabled());
        QVERIFY(form->cb12hours->isEnabled());
        QVERIFY(form->cb12hours->isChecked());
        QCOMPARE(form->CityList->OpenGroup(), MiddleEast);
        QVERIFY(form->CityList->IsSelected(MiddleEast, 0));
        QCOMPARE(form->spinDegLat->value(), form->CityList->Item(MiddleEast, 0).Latitude);
        QCOMPARE(form->spinHrsGmt->value(), form->CityList->Item(MiddleEast, 0).GmtHours);
        QCOMPARE(form->CalcMethodIndex(), form->CityList->Item(MiddleEast, 0).CalcMethod);
        // The closed group lost its mark and its highlight.
        for (int i = 0; i < form->CityList->ItemCount(SaudiArabia); ++i) {
            QVERIFY(!form->CityList->IsSelected(SaudiArabia, i));
        }
        QVERIFY(form->CityList->CaptionColor(SaudiArabia) !=
                form->CityList->CaptionColor(MiddleEast));

        // Back to "Saudi Arabia": the option can be used again, its first city is applied.
        ClickCaption(*form, SaudiArabia);
        QVERIFY(form->cbSunsetBased->isEnabled());
        QCOMPARE(form->spinDegLat->value(), form->CityList->Item(SaudiArabia, 0).Latitude);
    }

    void closingTheOpenGroupKeepsEverything() {
        const auto form = ShowForm();
        const int before = form->RefreshCount();
        ClickCaption(*form, SaudiArabia);
        QCOMPARE(form->CityList->OpenGroup(), -1);
        QCOMPARE(form->RefreshCount(), before);
        QCOMPARE(form->spinDegLat->value(), FindCityByTag(15)->Latitude);
        QVERIFY(form->cbSunsetBased->isEnabled());
    }

    // A step within the week moves the red row; every text stays as it was.
    void dateStepWithinTheWeek() {
        const auto form = ShowForm();
        const auto timeTexts = form->TimeTexts;
        const auto hijri = form->HijriDateTexts;
        const int before = form->RefreshCount();
        QTest::keyClick(form->edCalendar, Qt::Key_Up);
        QCOMPARE(form->RefreshCount(), before + 1);
        QCOMPARE(form->CurrentDayRow, FixedTodayRow + 1);
        QVERIFY(form->TimeTexts == timeTexts);
        QVERIFY(form->HijriDateTexts == hijri);
        // Friday is the last row; one more day starts the next week at row 1.
        QTest::keyClick(form->edCalendar, Qt::Key_Up);
        QCOMPARE(form->CurrentDayRow, 7);
        QTest::keyClick(form->edCalendar, Qt::Key_Up);
        QCOMPARE(form->CurrentDayRow, 1);
        QVERIFY(form->HijriDateTexts != hijri);
    }

    void optionChangesKeepTheFields() {
        const auto form = ShowForm();
        int expected = form->RefreshCount();
        for (QCheckBox* box :
             {form->cbRoundMinutes, form->cbAddSafetyTime, form->cbRightToLeft, form->cb12hours}) {
            Click(box);
            QCOMPARE(form->RefreshCount(), ++expected);
        }
        Click(form->rgJuristic->Button(1));
        QCOMPARE(form->RefreshCount(), ++expected);
        Click(form->rgCalcMethod->Button(4));
        QCOMPARE(form->RefreshCount(), ++expected);
        QCOMPARE(form->spinDegLat->value(), FindCityByTag(15)->Latitude);
        QCOMPARE(SelectedCaption(*form, SaudiArabia), std::string_view("Mecca"));
    }

    // The first and last weeks the date field offers compute without an error report, also
    // where the universal time of a sunrise or sunset falls in year 0 or 10000.
    void endsOfTheDateRange_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<double>("date");
        QTest::newRow("Bogota, last week of 9999") << 54 << EncodeDate(9999, 12, 30);
        QTest::newRow("Los Angeles, last week of 9999") << 50 << EncodeDate(9999, 12, 31);
        QTest::newRow("Bangkok, first week of year 1") << 66 << EncodeDate(1, 1, 6);
        QTest::newRow("Auckland, first week of year 1") << 86 << EncodeDate(1, 1, 6);
    }
    void endsOfTheDateRange() {
        QFETCH(int, tag);
        QFETCH(double, date);
        const auto form = ShowForm();
        auto* application = qobject_cast<TApplication*>(QCoreApplication::instance());
        QVERIFY(application != nullptr);
        const int reports = application->ReportCount();
        form->SelectCity(tag);
        form->edCalendar->SetValue(date);
        QCOMPARE(application->ReportCount(), reports);
        QCOMPARE(form->edCalendar->Value(), date);
    }

    // A catalogue city's table is on its own clock that week: London's summer on BST, an
    // hour after the GMT of its fields, which the box gives back when Space unchecks it; a
    // week with a change shows both offsets and the day. A place typed by hand follows the
    // computer's zone (TZ here) when the fields hold an offset it uses that year: at Dublin
    // GMT 0, which the zone database calls a negative daylight saving. Shrook to Maghrib
    // move by exactly the clock's change.
    void placeClock_data() {
        QTest::addColumn<int>("tag");  // 0: a place typed by hand with GMT `typedZone`
        QTest::addColumn<int>("typedZone");
        QTest::addColumn<double>("date");
        QTest::addColumn<QString>("zone");      // the box's text, empty: no box
        QTest::addColumn<QString>("clock");     // the text under it
        QTest::addColumn<QList<int>>("later");  // minutes each row is later than on GMT
        QTest::addColumn<QString>("tz");        // the computer's zone
        const QList<int> none(7, 0), hour(7, 60);
        const QString london = QStringLiteral("Europe/London");
        QTest::newRow("London in July: BST") << 76 << 0 << EncodeDate(2026, 7, 1) << london
                                             << QStringLiteral("UTC+1") << hour << london;
        QTest::newRow("London in January: GMT") << 76 << 0 << EncodeDate(2026, 1, 7) << london
                                                << QStringLiteral("UTC+0") << none << london;
        QTest::newRow("London, the week the clocks go back")
            << 76 << 0 << EncodeDate(2026, 10, 27) << london << QStringLiteral("UTC+1, Sun: UTC+0")
            << QList<int>{60, 0, 0, 0, 0, 0, 0} << london;
        QTest::newRow("Sydney in its winter")
            << 92 << 0 << EncodeDate(2026, 7, 1) << QStringLiteral("Australia/Sydney")
            << QStringLiteral("UTC+10") << none << london;
        QTest::newRow("Santiago in its summer")
            << 56 << 0 << EncodeDate(2027, 1, 6) << QStringLiteral("America/Santiago")
            << QStringLiteral("UTC-3") << hour << london;
        QTest::newRow("Mecca: no box, as ever")
            << 15 << 0 << EncodeDate(2026, 7, 1) << QString() << QString() << none << london;
        QTest::newRow("Tehran: no box, as ever")
            << 24 << 0 << EncodeDate(2026, 7, 1) << QString() << QString() << none << london;
        QTest::newRow("typed on the computer's standard offset")
            << 0 << 0 << EncodeDate(2026, 7, 1) << london << QStringLiteral("UTC+1") << hour
            << london;
        QTest::newRow("typed at Dublin on GMT 0 in July: Irish summer time")
            << 0 << 0 << EncodeDate(2026, 7, 1) << QStringLiteral("Europe/Dublin")
            << QStringLiteral("UTC+1") << hour << QStringLiteral("Europe/Dublin");
        QTest::newRow("typed at Dublin on GMT 0 in January: GMT")
            << 0 << 0 << EncodeDate(2026, 1, 7) << QStringLiteral("Europe/Dublin")
            << QStringLiteral("UTC+0") << none << QStringLiteral("Europe/Dublin");
        QTest::newRow("typed on another offset: fixed")
            << 0 << 2 << EncodeDate(2026, 7, 1) << QString() << QString() << none << london;
        // A POSIX rule of TZ is too long for the box: its abbreviations stand for it.
        QTest::newRow("typed on a POSIX rule's standard offset")
            << 0 << 0 << EncodeDate(2026, 7, 1) << QStringLiteral("GMT/BST")
            << QStringLiteral("UTC+1") << hour << QStringLiteral("GMT0BST,M3.5.0/1,M10.5.0");
    }
    void placeClock() {
        QFETCH(int, tag);
        QFETCH(int, typedZone);
        QFETCH(double, date);
        QFETCH(QString, zone);
        QFETCH(QString, clock);
        QFETCH(QList<int>, later);
        QFETCH(QString, tz);
        const QByteArray savedTz = qgetenv("TZ");
        const bool hadTz = qEnvironmentVariableIsSet("TZ");
        qputenv("TZ", tz.toUtf8());
        const auto restore = qScopeGuard([&] { hadTz ? qputenv("TZ", savedTz) : qunsetenv("TZ"); });
        const auto form = ShowForm();
        form->cb12hours->setChecked(false);
        if (tag != 0) {
            form->SelectCity(tag);
        } else {
            form->spinDegLat->setValue(53.35);  // Dublin
            form->spinDegLong->setValue(-6.26);
            form->spinHrsGmt->setValue(typedZone);
        }
        form->edCalendar->SetValue(date);
        QCOMPARE(form->cbLocalClock->isVisible(), !zone.isEmpty());
        QCOMPARE(form->cbLocalClock->text(), zone.isEmpty() ? form->cbLocalClock->text() : zone);
        QCOMPARE(form->ClockText, clock);
        const auto texts = form->TimeTexts;

        // Off: the fixed offset of the GMT fields, the week the engine computes from them.
        if (!zone.isEmpty()) {
            form->cbLocalClock->setFocus();
            QTest::keyClick(form->cbLocalClock, Qt::Key_Space);
            QVERIFY(!form->cbLocalClock->isChecked());
            QCOMPARE(form->ClockText, QStringLiteral("fixed GMT") +
                                          (form->spinHrsGmt->value() < 0 ? "" : "+") +
                                          QString::number(form->spinHrsGmt->value()));
        }
        TimetableEngine engine;
        const Timetable week = engine.ComputeWeek(form->ReadSettings());
        for (int row = 1; row <= 7; ++row) {
            for (int prayer = 0; prayer < 6; ++prayer) {
                const int col = week.ColumnOf(prayer);
                const QString gmt = QString::fromStdString(week.Days[row - 1].TimeTexts[prayer]);
                QCOMPARE(form->TimeTexts[col][row], gmt);
                if (prayer >= 1 && prayer <= 4) {
                    const auto minutes = [](const QString& text) {
                        const QStringList parts = text.trimmed().split(u':');
                        return parts[0].toInt() * 60 + parts[1].toInt();
                    };
                    QCOMPARE(minutes(texts[col][row]) - minutes(gmt), later[row - 1]);
                }
            }
        }
    }

    // Every catalogue city without daylight saving looks as before: no box, and the week of
    // its GMT fields. The box shows for a city whose clock differs in January and July 2026 or
    // on 1 July from its fields (Marrakech, on UTC+1 until Morocco moves to UTC+0 on
    // 20 September 2026), as the zone database reads.
    void citiesWithoutDaylightSavingAreUnchanged() {
        const auto form = ShowForm();
        form->edCalendar->SetValue(EncodeDate(2026, 7, 1));
        constexpr int64_t january = 1767268800, july = 1782907200;  // noon UTC, 1 Jan/1 Jul 2026
        int shown = 0;
        TimetableEngine engine;
        for (const TCityEntry& city : CityCatalogue()) {
            form->SelectCity(city.Tag);
            const auto zone = TimeZoneRules::FromDatabase(city.IanaZone);
            const bool changes =
                zone->OffsetAt(january) != zone->OffsetAt(july) ||
                zone->OffsetAt(july) != 60 * ZoneOffsetMinutes(city.GmtHours, city.GmtMinutes);
            QVERIFY2(form->cbLocalClock->isVisible() == changes, city.Caption.data());
            if (changes) {
                ++shown;
                continue;
            }
            const Timetable week = engine.ComputeWeek(form->ReadSettings());
            for (int row = 1; row <= 7; ++row) {
                for (int prayer = 0; prayer < 6; ++prayer) {
                    QCOMPARE(form->TimeTexts[week.ColumnOf(prayer)][row],
                             QString::fromStdString(week.Days[row - 1].TimeTexts[prayer]));
                }
            }
            QVERIFY(form->ClockText.isEmpty());
        }
        qInfo("%d cities on a clock with daylight saving, %d without", shown,
              static_cast<int>(CityCatalogue().size()) - shown);
        QVERIFY(shown > 0);
    }

    // The footer's link opens the README, a file that can be read (the source tree's from the
    // build tree), says so, ends where the panels above end, and turns purple once opened.
    void readmeLinkTurnsPurpleAfterOpening() {
        const auto form = ShowForm();
        const QUrl address = form->RzURLLabel1->Address();
        QVERIFY2(address.isLocalFile(), qPrintable(address.toString()));
        const QFileInfo readme(address.toLocalFile());
        QVERIFY2(readme.isFile() && readme.isReadable(), qPrintable(readme.filePath()));
        QCOMPARE(readme.fileName(), QStringLiteral("README.md"));
        QCOMPARE(form->RzURLLabel1->text(), QStringLiteral("README"));
        QCOMPARE(form->RzURLLabel1->geometry().right(), form->RzPanel1->geometry().right());
        UrlSink sink;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &sink, "Open");
        QTest::mouseClick(form->RzURLLabel1, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(sink.Opened.size(), 1);
        QCOMPARE(sink.Opened.front(), form->RzURLLabel1->Address());
        QVERIFY(form->RzURLLabel1->Visited());
        QCOMPARE(form->RzURLLabel1->palette().color(QPalette::WindowText),
                 QColor(0x80, 0x00, 0x80));
    }

    // An installed program finds its README in the tree it was installed with, from its own
    // folder; run where none lies there (the build tree), the source tree's.
    void documentationLink_data() {
        QTest::addColumn<bool>("installed");
        QTest::newRow("installed beside the program") << true;
        QTest::newRow("run from the build tree") << false;
    }
    void documentationLink() {
        QFETCH(bool, installed);
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        const QString readme = prefix.filePath(QStringLiteral("share/doc/orvandel/README.md"));
        if (installed) {
            QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/doc/orvandel")));
            QFile file(readme);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const TDocumentLink link = DocumentationLink(prefix.filePath(QStringLiteral("bin")));
        QCOMPARE(link.Caption, QStringLiteral("README"));
        QVERIFY(link.Address.isLocalFile());
        if (installed) {
            QCOMPARE(link.Address, QUrl::fromLocalFile(readme));
        } else {
            QVERIFY(!link.Address.toLocalFile().startsWith(prefix.path()));
            QVERIFY(QFileInfo(link.Address.toLocalFile()).isReadable());
        }
    }

    // Every caption fits its control, in English and in every translation (and the pseudo
    // translation of lengthened, accented texts): the control is as wide as the caption wants,
    // the drawn text leaves its last device pixel column clear at the end where it ends (it is
    // clipped otherwise), and nothing runs into the control after it or out of the window, also
    // the clock's box of a city with daylight saving. The grid's headers, the date column's
    // dates and the city names fit their cells. ctest runs this at scales 1, 1.25, 1.5 and 2.
    // The city group's caption has the font of the other group captions.
    void captionsFit_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<double>("date");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("find");  // typed into the find field with Enter, for no tag
        QStringList languages{QString()};
        const QString shipped = TranslationsFolder(QCoreApplication::applicationDirPath());
        for (const QFileInfo& file :
             QDir(shipped).entryInfoList({QStringLiteral("orvandel_*.qm")}, QDir::Files)) {
            languages << file.baseName().mid(9);
        }
        QVERIFY(languages.size() > 8);
        languages << QStringLiteral("pseudo");
        for (const QString& language : languages) {
            const QString folder = language == QStringLiteral("pseudo")
                                       ? QStringLiteral(PSEUDO_TRANSLATIONS)
                                       : shipped;
            const QString code =
                language == QStringLiteral("pseudo") ? QStringLiteral("eo") : language;
            const QByteArray name = language.isEmpty() ? QByteArray("English") : language.toUtf8();
            QTest::addRow("Mecca, %s", name.constData())
                << 15 << EncodeDate(2026, 7, 1) << code << folder << QString();
            QTest::addRow("Los Angeles, the week its clocks go back, %s", name.constData())
                << 50 << EncodeDate(2026, 11, 1) << code << folder << QString();
            QTest::addRow("a town found by name, the week its clocks go forward, %s",
                          name.constData())
                << 0 << EncodeDate(2027, 3, 14) << code << folder
                << QStringLiteral("Springfield, Illinois");
        }
    }
    void captionsFit() {
        QFETCH(int, tag);
        QFETCH(double, date);
        QFETCH(QString, language);
        QFETCH(QString, folder);
        std::optional<TTranslations> translation;
        if (!language.isEmpty()) {
            translation.emplace(QStringList{language}, folder);
            QCOMPARE(translation->Language(), language);
        }
        QFETCH(QString, find);
        const auto form = ShowForm();
        if (find.isEmpty()) {
            form->SelectCity(tag);
        } else {
            QTest::keyClicks(form->edFindPlace, find);
            QTest::keyClick(form->edFindPlace, Qt::Key_Return);
            QCOMPARE(form->Clock().Name(), std::string("America/Chicago"));
        }
        form->edCalendar->SetValue(date);
        const bool rightToLeft = form->layoutDirection() == Qt::RightToLeft;
        // The find field's placeholder fits inside its frame beside the clear button's room.
        QLineEdit* field = form->edFindPlace;
        const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
        QVERIFY(QFontMetrics(field->font()).horizontalAdvance(field->placeholderText()) +
                    2 * frame + field->height() <=
                field->width());
        // The clock's text under its box fits the date column's header cell.
        QVERIFY2(QFontMetrics(form->cbLocalClock->font()).horizontalAdvance(form->ClockText) + 5 <=
                     form->ColCities->DefaultColWidth(),
                 qPrintable(form->ClockText));
        int captions = 0;
        for (QWidget* w : form->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(w);
            auto* button = qobject_cast<QAbstractButton*>(w);
            if (!w->isVisible() || (label == nullptr && button == nullptr) ||
                (button != nullptr && button->text().isEmpty())) {
                continue;
            }
            ++captions;
            const QString name = label != nullptr ? label->text() : button->text();
            // Where the caption is: from the control's start, at its right where it reads right
            // to left (a label by its text's own direction, a button by the window's).
            const Qt::LayoutDirection direction =
                label != nullptr ? (name.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight)
                                 : w->layoutDirection();
            const QRect text =
                QStyle::visualRect(direction, w->geometry(),
                                   QRect(w->pos(), QSize(w->sizeHint().width(), w->height())));
            QVERIFY2(text.width() <= w->width(), qPrintable(name));
            const QRect inForm(w->parentWidget()->mapTo(form.get(), text.topLeft()), text.size());
            QVERIFY2(
                form->rect().contains(inForm),
                qPrintable(name +
                           QStringLiteral(" at %1..%2").arg(inForm.left()).arg(inForm.right())));
            const QImage image = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const int end = direction == Qt::RightToLeft ? 0 : image.width() - 1;
            const QRgb background = image.pixel(end, image.height() - 1);
            for (int y = 0; y < image.height(); ++y) {
                QVERIFY2(image.pixel(end, y) == background,
                         qPrintable(name + QStringLiteral(" is clipped")));
            }
            for (QWidget* other :
                 w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const bool after = rightToLeft ? other->geometry().right() < w->geometry().right()
                                               : other->x() > w->x();
                QVERIFY2(other == w || !other->isVisible() || !after ||
                             !text.intersects(other->geometry().adjusted(-1, 0, 1, 0)),
                         qPrintable(name + QStringLiteral(" touches a control")));
            }
        }
        QVERIFY(captions > 20);
        if (language == QStringLiteral("eo")) {
            // The pseudo translation accents every a, e and o: a plain one is a text that
            // bypasses the translations. The clock's box names a time zone, which stays.
            static const QRegularExpression plain(QStringLiteral("[aeo]"));
            QStringList shown{form->RzLabel3->text(),     form->grpCities->title(),
                              form->RzGroupBox3->title(), form->rgCalcMethod->title(),
                              form->rgJuristic->title(),  form->edCalendar->toolTip()};
            for (QWidget* w : form->findChildren<QWidget*>()) {
                if (auto* button = qobject_cast<QAbstractButton*>(w);
                    button && w != form->cbLocalClock) {
                    shown << button->text();
                } else if (auto* label = qobject_cast<QLabel*>(w)) {
                    shown << label->text();
                }
            }
            for (int column = 0; column < 6; ++column) {
                shown << form->Grid->Cell(column, 0);
            }
            for (int group = 0; group < form->CityList->GroupCount(); ++group) {
                shown << CoreCaption(form->CityList->GroupInfo(group).Caption);
                for (int item = 0; item < form->CityList->ItemCount(group); ++item) {
                    shown << CoreCaption(form->CityList->Item(group, item).Caption);
                }
            }
            for (const QString& text : shown) {
                QVERIFY2(!text.contains(plain), qPrintable(text + QStringLiteral(" is English")));
            }
        }
        // A translation's date field holds its longest date: each weekday in every month.
        if (UiTranslated()) {
            const QFontMetrics field(form->edCalendar->font());
            const int room = form->edCalendar->width() - form->edCalendar->height() - 8;
            for (int month = 1; month <= 12; ++month) {
                for (int day = 22; day <= 28; ++day) {
                    const QString text = ShortDateCaption(EncodeDate(2024, month, day), 1);
                    QVERIFY2(field.horizontalAdvance(text) <= room, qPrintable(text));
                }
            }
        }
        // The texts the grids and the city list draw themselves.
        const QFontMetrics header(
            WithScriptFamilies(QFont(QStringLiteral("MS Sans Serif"), 9, QFont::Bold)));
        for (int column = 0; column < 6; ++column) {
            const QString text = form->Grid->Cell(column, 0);
            QVERIFY2(header.horizontalAdvance(text) <= form->Grid->DefaultColWidth(),
                     qPrintable(text));
        }
        const QFontMetrics dates(WithScriptFamilies(QFont(QStringLiteral("MS Sans Serif"), 8)));
        for (int row = 1; row <= 7; ++row) {
            for (const QString& text : {form->ColCities->Cell(0, row), form->HijriDateTexts[row]}) {
                QVERIFY2(
                    dates.horizontalAdvance(text + u'*') + 10 <= form->ColCities->DefaultColWidth(),
                    qPrintable(text));
            }
        }
        for (int group = 0; group < form->CityList->GroupCount(); ++group) {
            const auto& info = form->CityList->GroupInfo(group);
            QVERIFY2(QFontMetrics(
                         WithScriptFamilies(QFont(QStringLiteral("MS Sans Serif"), 8, QFont::Bold)))
                             .horizontalAdvance(CoreCaption(info.Caption)) <
                         form->CityList->width() - 20,
                     qPrintable(CoreCaption(info.Caption)));
            for (int item = 0; item < form->CityList->ItemCount(group); ++item) {
                const QString city = CoreCaption(form->CityList->Item(group, item).Caption);
                QVERIFY2(dates.horizontalAdvance(city) < form->CityList->width() - 30,
                         qPrintable(city));
            }
        }
        const QFontInfo cities(form->grpCities->font()), coordinates(form->RzGroupBox3->font());
        QCOMPARE(cities.family(), coordinates.family());
        QCOMPARE(cities.pixelSize(), coordinates.pixelSize());
        QCOMPARE(cities.bold(), true);
    }

    // The find field: typing a name lists the towns in the city list's place; Enter takes the
    // first, as a catalogue city is taken (its zone's clock, elevation 0, its country's
    // method), and recomputes once. Leeds in May is on British Summer Time: the week of the
    // fixed offset +1. The arrows reach the other towns; a town beyond the latitudes the table
    // computes is listed greyed and Enter takes nothing; Escape ends the search.
    void findFieldTakesATown() {
        const auto form = ShowForm();
        TPlaceFinder* finder = form->edFindPlace;
        QCOMPARE(finder->accessibleName().isEmpty(), false);
        form->cb12hours->setChecked(false);
        form->edCalendar->SetValue(EncodeDate(2027, 5, 8));
        int count = form->RefreshCount();
        finder->setFocus();
        QTest::keyClicks(finder, QStringLiteral("Leeds"));
        QVERIFY(finder->Matches()->isVisible());
        QVERIFY(!form->CityList->isVisible());
        QCOMPARE(finder->Matches()->item(0)->text(),
                 QStringLiteral("Leeds\nEngland, United Kingdom"));
        QCOMPARE(form->RefreshCount(), count);
        QTest::keyClick(finder, Qt::Key_Return);
        QCOMPARE(form->RefreshCount(), ++count);
        QVERIFY(form->CityList->isVisible());
        QCOMPARE(form->CityList->OpenGroup(), -1);  // Mecca's mark cleared
        QCOMPARE(form->spinDegLat->value(), 53.7965);
        QCOMPARE(form->spinDegLong->value(), -1.5478);
        QCOMPARE(form->spinHrsGmt->value(), 0);
        QCOMPARE(form->spinElevation->value(), 0);
        QCOMPARE(form->rgCalcMethod->ItemIndex(), MethodForCountry("GB"));
        QCOMPARE(form->Clock().Name(), std::string("Europe/London"));
        QCOMPARE(form->ClockText, QStringLiteral("UTC+1"));
        QCOMPARE(PlaceNameOf(form->ReadSettings(), form->City()).Text,
                 std::string("Leeds, England, GB"));
        // The field shows the name and country, which fit it whole.
        QCOMPARE(finder->text(), QStringLiteral("Leeds, GB"));
        TimetableSettings summer = form->ReadSettings();
        summer.GmtHours = 1;
        TimetableEngine engine;
        const Timetable week = engine.ComputeWeek(summer);
        for (int row = 1; row <= 7; ++row) {
            for (int prayer = 0; prayer < 6; ++prayer) {
                QCOMPARE(form->TimeTexts[week.ColumnOf(prayer)][row],
                         QString::fromStdString(week.Days[row - 1].TimeTexts[prayer]));
            }
        }
        QCOMPARE(form->TimeTexts[week.ColumnOf(2)][1], QStringLiteral(" 13:04"));  // Dhuhr, BST

        // Birmingham of Alabama is the second Birmingham: Down into the list, Down, Enter.
        finder->clear();
        QTest::keyClicks(finder, QStringLiteral("Birmingham"));
        QTest::keyClick(finder, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(finder->Matches()));
        QTest::keyClick(finder->Matches(), Qt::Key_Down);
        QTest::keyClick(finder->Matches(), Qt::Key_Return);
        QCOMPARE(form->RefreshCount(), ++count);
        QCOMPARE(form->Clock().Name(), std::string("America/Chicago"));
        QCOMPARE(form->rgCalcMethod->ItemIndex(), MethodForCountry("US"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(finder));

        finder->clear();
        QTest::keyClicks(finder, QStringLiteral("Troms\u00f8"));
        QCOMPARE(finder->Matches()->item(0)->flags(), Qt::NoItemFlags);
        QVERIFY(finder->Matches()->item(0)->toolTip().contains(QStringLiteral("69.6489")));
        QTest::keyClick(finder, Qt::Key_Return);
        QCOMPARE(form->RefreshCount(), count);
        QCOMPARE(form->spinDegLat->value(), 33.5207);
        QTest::keyClick(finder, Qt::Key_Escape);
        QVERIFY(!finder->Matches()->isVisible());
        QVERIFY(form->CityList->isVisible());
    }

    // Tab enters a radio group at its checked item; the arrows move through the items, round
    // the end, and check the item they reach, which recomputes once.
    void radioGroupsByKeyboard() {
        const auto form = ShowForm();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->spinElevation->setFocus();
        const auto step = [&](QWidget* from, Qt::Key key, QAbstractButton* reached) {
            const int before = form->RefreshCount();
            const bool arrow = key != Qt::Key_Tab && key != Qt::Key_Backtab;
            QTest::keyClick(from, key);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(reached));
            QCOMPARE(reached->isChecked(), true);
            QCOMPARE(form->RefreshCount(), before + (arrow ? 1 : 0));
        };
        TRadioGroup* calc = form->rgCalcMethod;
        step(form->spinElevation, Qt::Key_Tab, calc->Button(3));  // Umm Al-Qura, checked
        step(calc->Button(3), Qt::Key_Down, calc->Button(4));
        step(calc->Button(4), Qt::Key_Right, calc->Button(5));  // Other:
        step(calc->Button(5), Qt::Key_Right, calc->Button(0));  // round the end
        step(calc->Button(0), Qt::Key_Up, calc->Button(5));
        step(calc->Button(5), Qt::Key_Left, calc->Button(4));
        step(calc->Button(4), Qt::Key_Left, calc->Button(3));
        // Tab goes on to the list of further methods; a method chosen there by keyboard is
        // the method, under "Other:", and recomputes once.
        QTest::keyClick(calc->Button(3), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form->cbOtherMethod));
        int before = form->RefreshCount();
        QTest::keyClick(form->cbOtherMethod, Qt::Key_Down);
        QCOMPARE(form->RefreshCount(), before + 1);
        QCOMPARE(calc->ItemIndex(), TForm1::OtherMethodItem);
        QCOMPARE(form->CalcMethodIndex(), TForm1::ButtonMethods);  // the list's first
        QCOMPARE(form->ReadSettings().CalcMethod, TForm1::ButtonMethods);
        before = form->RefreshCount();
        QTest::keyClick(form->cbOtherMethod, Qt::Key_Down);
        QCOMPARE(form->RefreshCount(), before + 1);
        QCOMPARE(form->CalcMethodIndex(), TForm1::ButtonMethods + 1);
        step(form->cbOtherMethod, Qt::Key_Backtab, calc->Button(5));
        step(calc->Button(5), Qt::Key_Left, calc->Button(4));
        step(calc->Button(4), Qt::Key_Left, calc->Button(3));
        QTest::keyClick(calc->Button(3), Qt::Key_Tab);
        step(form->cbOtherMethod, Qt::Key_Tab, form->rgJuristic->Button(0));
        step(form->rgJuristic->Button(0), Qt::Key_Down, form->rgJuristic->Button(1));
        QTest::keyClick(form->rgJuristic->Button(1), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form->cbAddSafetyTime));
        QTest::keyClick(form->cbAddSafetyTime, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form->rgJuristic->Button(1)));
        QCOMPARE(calc->ItemIndex(), 3);
        QCOMPARE(form->rgJuristic->ItemIndex(), 1);
    }

    // Under a right-to-left desktop (-reverse) or an Arabic locale the window looks exactly as
    // it does elsewhere: the same geometry and the same pixels.
    void rightToLeftEnvironment_data() {
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<QString>("locale");
        QTest::newRow("-reverse") << true << QString();
        QTest::newRow("Arabic locale") << false << QStringLiteral("ar_SA");
        QTest::newRow("-reverse and Arabic locale") << true << QStringLiteral("ar_EG");
    }
    void rightToLeftEnvironment() {
        QFETCH(bool, reverse);
        QFETCH(QString, locale);
        const auto layout = [](TForm1& form) {
            QList<QRect> places;
            for (QWidget* w : form.findChildren<QWidget*>()) {
                places.append(QRect(w->mapTo(&form, QPoint()), w->size()));
            }
            return std::pair(places, form.grab().toImage());
        };
        const auto expected = layout(*ShowForm());
        const QLocale previous;
        const auto restore = qScopeGuard([&] {
            QApplication::setLayoutDirection(Qt::LeftToRight);
            QLocale::setDefault(previous);
        });
        QApplication::setLayoutDirection(reverse ? Qt::RightToLeft : Qt::LeftToRight);
        if (!locale.isEmpty()) {
            QLocale::setDefault(QLocale(locale));
        }
        const auto form = ShowForm();
        const auto seen = layout(*form);
        QCOMPARE(seen.first, expected.first);
        QVERIFY(seen.second == expected.second);
    }

    void tabOrder() {
        const auto form = ShowForm();
        QList<QWidget*> seen;
        QWidget* w = form->edCalendar;
        for (int i = 0; i < 40 && (seen.isEmpty() || w != form->edCalendar); ++i) {
            if (w->focusPolicy() & Qt::TabFocus) {
                seen.append(w);
            }
            w = w->nextInFocusChain();
        }
        const QList<QWidget*> expected{form->edCalendar,
                                       form->RzPanel1,  // the timetable, for its menu keys
                                       form->cbRightToLeft,
                                       form->cbRoundMinutes,
                                       form->cbLocalClock,
                                       form->cb12hours,
                                       form->spinDegLat,
                                       form->spinDegLong,
                                       form->spinHrsGmt,
                                       form->spinMinutGmt,
                                       form->spinElevation,
                                       form->rgCalcMethod->Button(3),  // the checked items
                                       form->cbOtherMethod,
                                       form->rgJuristic->Button(0),
                                       form->cbAddSafetyTime,
                                       form->edFindPlace,
                                       form->CityList,
                                       form->cbSunsetBased};
        QList<QWidget*> relevant;
        for (QWidget* widget : seen) {
            if (expected.contains(widget)) {
                relevant.append(widget);
            }
        }
        QCOMPARE(relevant, expected);
    }
};

ORVANDEL_UI_TEST(MainWindowTest);

}  // namespace orvandel::test

#include "MainWindowTest.moc"
