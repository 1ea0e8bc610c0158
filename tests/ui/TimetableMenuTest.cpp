// The timetable's context menu as a user reaches it: a right click or the menu keys, the moves
// by a week, the copied week against the command's csv, and the printed week and month read
// back from a PDF, and what saving and printing say when the file cannot be written; the
// Adjustments dialog and the week it gives.
#include <sys/resource.h>

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <optional>
#include <sstream>

#include "platform/Errors.h"
#include "tests/ui/UiTestSupport.h"
#include "timetable/CityCatalogue.h"
#include "timetable/Prayers.h"
#include "timetable/TableText.h"
#include "tools/OrvandelTableCommand.h"
#include "ui/DateField.h"
#include "ui/DrawGrid.h"
#include "ui/TimetableMenu.h"

namespace orvandel::test {

namespace {

QMenu* OpenMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// The command's standard output for the arguments.
QString RunCommand(std::vector<std::string> args) {
    args.insert(args.begin(), "orvandel-table");
    std::vector<const char*> argv;
    for (const std::string& a : args) {
        argv.push_back(a.c_str());
    }
    std::ostringstream out, err;
    const int code = table::RunTableCommand(static_cast<int>(argv.size()), argv.data(), out, err);
    if (code != 0) {
        qWarning("orvandel-table exited with %d: %s", code, err.str().c_str());
    }
    return QString::fromStdString(out.str());
}

// The first page of a PDF file in grey, `dpi` pixels an inch, as pdftoppm (poppler-utils)
// renders it; a null image when it cannot.
QImage PdfPage(const QString& pdf, int dpi) {
    QTemporaryDir folder;
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                  QStringLiteral("-singlefile"), pdf, folder.filePath(QStringLiteral("page"))});
    if (!render.waitForFinished() || render.exitCode() != 0) {
        qWarning("pdftoppm (poppler-utils) did not render %s", qPrintable(pdf));
    }
    return QImage(folder.filePath(QStringLiteral("page.pgm")));
}

// The smallest rectangle that holds every pixel of the page that is not white paper.
QRect InkBox(const QImage& page) {
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 255) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// While it exists, no file of this process grows past `bytes`: a write beyond that fails with
// EFBIG, as a write to a full disk fails. SIGXFSZ, which would end the process, is ignored
// meanwhile.
class TFileSizeLimit {
  public:
    explicit TFileSizeLimit(rlim_t bytes) : FHandler(std::signal(SIGXFSZ, SIG_IGN)) {
        if (::getrlimit(RLIMIT_FSIZE, &FOld) == 0) {
            rlimit low = FOld;
            low.rlim_cur = std::min(bytes, FOld.rlim_max);
            FSet = ::setrlimit(RLIMIT_FSIZE, &low) == 0;
        }
    }
    ~TFileSizeLimit() {
        if (FSet) {
            ::setrlimit(RLIMIT_FSIZE, &FOld);
        }
        std::signal(SIGXFSZ, FHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;
    bool Set() const { return FSet; }

  private:
    void (*FHandler)(int);
    rlimit FOld{};
    bool FSet = false;
};
constexpr rlim_t FullDiskBytes = 100;  // less than any table or print

// The files of a folder, hidden ones included.
QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// A text without its iCalendar time stamp, the one line that names the moment of writing.
QString WithoutStamp(const QString& text) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeIf([](const QString& line) { return line.startsWith(QStringLiteral("DTSTAMP:")); });
    return lines.join(QStringLiteral("\r\n"));
}

// Opens Adjustments… from the menu and answers it with `minutes` (index by Prayer; typed, as a
// user types "+2") and `hijriDays`, with OK or else Cancel. Returns whether it was answered.
bool Adjust(TForm1& form, const QList<int>& minutes, int hijriDays, bool ok = true) {
    const TDialogAnswer<TAdjustmentsDialog> answer([&](TAdjustmentsDialog* dialog) {
        for (int p = 0; p < 6; ++p) {
            QSpinBox* spin = dialog->Minutes[static_cast<size_t>(p)];
            spin->selectAll();
            QTest::keyClicks(spin, (minutes[p] > 0 ? QStringLiteral("+") : QString()) +
                                       QString::number(minutes[p]));
        }
        dialog->HijriDays->setValue(hijriDays);
        ok ? dialog->accept() : dialog->reject();
    });
    form.TimetableMenu->AdjustAction->trigger();
    return answer.Answered();
}

// The minutes of a grid text (" 4:46") after 12 o'clock, as the 12-hour grid shows them.
int GridMinutes(const QString& text) {
    const QStringList parts = text.trimmed().split(u':');
    return parts.value(0).toInt() % 12 * 60 + parts.value(1).toInt();
}

const QList<int> NoMinutes{0, 0, 0, 0, 0, 0};

}  // namespace

class TimetableMenuTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    }

    // Each move, through the menu opened by a right click on the grid and through its
    // shortcut: the date field and the shown week follow.
    void movesByWeeks_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("fromDays");  // the shown date before, from today
        QTest::addColumn<int>("toDays");    // after
        QTest::newRow("previous week") << "Previous week" << int(Qt::Key_Left) << 0 << -7;
        QTest::newRow("next week") << "Next week" << int(Qt::Key_Right) << 0 << 7;
        QTest::newRow("this week") << "This week" << int(Qt::Key_Home) << 23 << 0;
    }
    void movesByWeeks() {
        QFETCH(QString, item);
        QFETCH(int, key);
        QFETCH(int, fromDays);
        QFETCH(int, toDays);
        const auto form = ShowForm();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        const int32_t today = FixedFromDateTime(FixedToday());
        const auto check = [&] {
            QCOMPARE(FixedFromDateTime(form->edCalendar->Value()), today + toDays);
            const int32_t saturday = form->Week().Days[0].Fixed;
            QVERIFY(saturday <= today + toDays && today + toDays < saturday + 7);
        };

        form->edCalendar->SetValue(FixedToday() + fromDays);
        const QPoint at = form->Grid->CellRect(2, 3).center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, form->Grid->mapToGlobal(at));
        QApplication::sendEvent(form->Grid, &click);
        QMenu* menu = OpenMenu();
        QVERIFY(menu != nullptr && menu == form->TimetableMenu->Menu());
        QAction* action = nullptr;
        for (QAction* a : menu->actions()) {
            if (a->text() == item) {
                action = a;
            }
        }
        QVERIFY(action != nullptr);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        check();

        form->edCalendar->SetValue(FixedToday() + fromDays);
        form->RzPanel1->setFocus();
        QTest::keyClick(form->RzPanel1, Qt::Key(key), Qt::AltModifier);
        check();
    }

    // The Menu key and Shift+F10 open the menu on the focused table.
    void menuKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Menu") << int(Qt::Key_Menu) << int(Qt::NoModifier);
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
    }
    void menuKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        const auto form = ShowForm();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->RzPanel1->setFocus();
        // The focused table says so: its left frame line turns red.
        QCOMPARE(form->RzPanel1->grab().toImage().pixelColor(0, 10), QColor(Qt::red));
        QVERIFY(OpenMenu() == nullptr);
        QTest::keyClick(form->RzPanel1, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(OpenMenu() == form->TimetableMenu->Menu());
        // At the shown date's row.
        const QRect row = form->Grid->CellRect(0, form->CurrentDayRow);
        QCOMPARE(form->Grid->mapFromGlobal(OpenMenu()->pos()).y(), row.center().y());
    }

    // Adjustments…: OK moves each time by its minutes in every row, in the week and in the
    // grid, and the Hijri dates by the days (+1: each row shows the next row's former date),
    // with one recompute; Cancel changes nothing.
    void adjustsTheWeek_data() {
        QTest::addColumn<QList<int>>("minutes");  // index by Prayer
        QTest::addColumn<int>("hijriDays");
        QTest::addColumn<bool>("ok");
        QTest::newRow("Fajr +2") << QList<int>{2, 0, 0, 0, 0, 0} << 0 << true;
        QTest::newRow("Hijri +1") << NoMinutes << 1 << true;
        QTest::newRow("Hijri -1, Isha -5") << QList<int>{0, 0, 0, 0, 0, -5} << -1 << true;
        QTest::newRow("every time, the range's ends, Hijri -2")
            << QList<int>{-60, 60, 1, -1, 3, -7} << -2 << true;
        QTest::newRow("Cancel") << QList<int>{2, 0, 0, 0, 0, -1} << 1 << false;
    }
    void adjustsTheWeek() {
        QFETCH(QList<int>, minutes);
        QFETCH(int, hijriDays);
        QFETCH(bool, ok);
        const auto form = ShowForm();
        const Timetable before = form->Week();
        const auto texts = form->TimeTexts;
        const auto hijri = form->HijriDateTexts;
        const int refreshes = form->RefreshCount();
        QVERIFY(Adjust(*form, minutes, hijriDays, ok));
        QCOMPARE(form->RefreshCount() - refreshes, ok ? 1 : 0);
        const QList<int> moved = ok ? minutes : NoMinutes;
        const int days = ok ? hijriDays : 0;
        const Timetable& after = form->Week();
        for (int row = 1; row <= 7; ++row) {
            // Umm al-Qura's Isha comes 90 minutes after Maghrib, 120 in Ramadan: a row that the
            // Hijri days move into or out of Ramadan (the week ends it) moves its Isha too.
            const auto ramadan = [row](const Timetable& week) {
                return week.Days[row - 1].HijriMonth == 9 ? 1 : 0;
            };
            const int ramadanMinutes = 30 * (ramadan(after) - ramadan(before));
            for (int p = 0; p < 6; ++p) {
                const int shift = moved[p] + (p == Isha ? ramadanMinutes : 0);
                QCOMPARE(after.Days[row - 1].ShownMinutes[p] - before.Days[row - 1].ShownMinutes[p],
                         shift);
                const int col = after.ColumnOf(p);
                QCOMPARE((GridMinutes(form->TimeTexts[col][row]) - GridMinutes(texts[col][row]) -
                          shift) % 720,
                         0);
                QCOMPARE(form->TimeTexts[col][row] == texts[col][row], shift == 0);
            }
            if (const int from = row + days; from >= 1 && from <= 7) {
                QCOMPARE(form->HijriDateTexts[row], hijri[from]);
            }
        }
        QCOMPARE(form->HijriDateTexts == hijri, days == 0);
        // The dialog opens on what the window keeps.
        const TDialogAnswer<TAdjustmentsDialog> reopened([&](TAdjustmentsDialog* dialog) {
            for (int p = 0; p < 6; ++p) {
                QCOMPARE(dialog->Minutes[static_cast<size_t>(p)]->value(), moved[p]);
            }
            QCOMPARE(dialog->HijriDays->value(), days);
            dialog->reject();
        });
        form->TimetableMenu->AdjustAction->trigger();
        QVERIFY(reopened.Answered());
    }

    // The dialog's high-latitude rule: the week is the core's for that rule on the window's
    // clock, London's June dawn differs from the 48-degree rule's, and the options line names
    // the rule; Cancel keeps the rule the window had.
    void highLatitudeRuleFromTheDialog() {
        const auto form = ShowForm();
        form->SelectCity(FindCityByCaption("London")->Tag);
        form->edCalendar->SetValue(EncodeDate(2027, 6, 16));
        const auto choose = [&form](HighLatitudeRule rule, bool ok) {
            QString labelled;  // what assistive technology reads as the list's label
            const TDialogAnswer<TAdjustmentsDialog> answer([&](TAdjustmentsDialog* dialog) {
                for (const auto& [other, relation] :
                     QAccessible::queryAccessibleInterface(dialog->HighLatitude)
                         ->relations(QAccessible::Label)) {
                    labelled = other->text(QAccessible::Name);
                }
                dialog->HighLatitude->setCurrentIndex(
                    dialog->HighLatitude->findData(static_cast<int>(rule)));
                ok ? dialog->accept() : dialog->reject();
            });
            form->TimetableMenu->AdjustAction->trigger();
            return answer.Answered() && labelled == QStringLiteral("High latitudes");
        };
        const Timetable rule48 = form->Week();
        QVERIFY(choose(HighLatitudeRule::Angle, true));
        QCOMPARE(form->ReadSettings().HighLatRule, HighLatitudeRule::Angle);
        TimetableEngine engine;
        std::vector<RowTimes> times;
        const Timetable expected =
            ComputeClockedWeek(engine, form->ReadSettings(), form->Clock(), times);
        bool fajrMoved = false;
        for (size_t d = 0; d < 7; ++d) {
            QCOMPARE(form->Week().Days[d].TimeTexts, expected.Days[d].TimeTexts);
            fajrMoved = fajrMoved || form->Week().Days[d].TimeTexts[Fajr] !=
                                         rule48.Days[d].TimeTexts[Fajr];
        }
        QVERIFY(fajrMoved);
        QVERIFY(form->TimetableMenu->OptionsLine().find("twilight angle") != std::string::npos);
        QVERIFY(choose(HighLatitudeRule::Seventh, false));
        QCOMPARE(form->ReadSettings().HighLatRule, HighLatitudeRule::Angle);
    }

    // The dialog's fields: a signed value with its unit, and names for assistive technology;
    // the window refuses values past the fields' ranges.
    void adjustmentFieldsAreNamed() {
        const auto form = ShowForm();
        const TDialogAnswer<TAdjustmentsDialog> answer([](TAdjustmentsDialog* dialog) {
            const std::array<QString, 6> names{"Fajr",    "Shrook",  "Dhuhr",
                                               "Asr",     "Maghrib", "Isha"};
            for (size_t p = 0; p < 6; ++p) {
                QCOMPARE(QAccessible::queryAccessibleInterface(dialog->Minutes[p])
                             ->text(QAccessible::Name),
                         names[p] + QStringLiteral(" minutes"));
            }
            QCOMPARE(QAccessible::queryAccessibleInterface(dialog->HijriDays)
                         ->text(QAccessible::Name),
                     QStringLiteral("Hijri date days"));
            dialog->Minutes[0]->setValue(2);
            QCOMPARE(dialog->Minutes[0]->text(), QStringLiteral("+2 min"));
            dialog->Minutes[0]->setValue(-60);
            QCOMPARE(dialog->Minutes[0]->text(), QStringLiteral("-60 min"));
            dialog->Minutes[0]->stepDown();
            QCOMPARE(dialog->Minutes[0]->value(), -60);
            dialog->reject();
        });
        form->TimetableMenu->AdjustAction->trigger();
        QVERIFY(answer.Answered());
        // Values past the ranges are refused whole, with nothing kept or recomputed.
        const int refreshes = form->RefreshCount();
        QVERIFY_THROWS_EXCEPTION(ERangeError, form->SetAdjustments({2, 0, 0, 0, 0, 61}, 0));
        QVERIFY_THROWS_EXCEPTION(ERangeError, form->SetAdjustments({2, 0, 0, 0, 0, 0}, -3));
        QCOMPARE(form->AdjustMinutes(), (std::array<int, 6>{}));
        QCOMPARE(form->HijriAdjustDays(), 0);
        QCOMPARE(form->RefreshCount(), refreshes);
    }

    // Copy puts the place, the options, a header row and the week, one field a tab; the times
    // are the command's csv fields for the same settings, on either clock.
    void copiesTheWeek_data() {
        QTest::addColumn<bool>("twelveHours");
        QTest::addColumn<QList<int>>("minutes");  // adjustments, index by Prayer
        QTest::addColumn<int>("hijriDays");
        QTest::addColumn<QStringList>("adjust");  // the same for the command
        QTest::newRow("12-hour clock") << true << NoMinutes << 0 << QStringList();
        QTest::newRow("24-hour clock") << false << NoMinutes << 0 << QStringList();
        QTest::newRow("adjusted") << false << QList<int>{2, 0, 0, 0, 0, -1} << -1
                                  << QStringList{"--adjust", "fajr=+2,isha=-1", "--hijri-adjust",
                                                 "-1"};
    }
    void copiesTheWeek() {
        QFETCH(bool, twelveHours);
        QFETCH(QList<int>, minutes);
        QFETCH(int, hijriDays);
        QFETCH(QStringList, adjust);
        const auto form = ShowForm();
        QVERIFY(Adjust(*form, minutes, hijriDays));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->cb12hours->setChecked(twelveHours);
        QGuiApplication::clipboard()->clear();
        form->RzPanel1->setFocus();
        QTest::keyClick(form->RzPanel1, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');

        // The window's clock: the fixed zone of its fields.
        std::vector<std::string> args = {"--city", "Mecca", "--zone", "3", "--date", "2024-04-10"};
        if (twelveHours) {
            args.push_back("--12h");
        }
        for (const QString& arg : adjust) {
            args.push_back(arg.toStdString());
        }
        const QStringList text = RunCommand(args).split(u'\n');
        args.insert(args.end(), {"--format", "csv"});
        const QStringList csv = RunCommand(args).split(u'\n');
        QCOMPARE(lines.size(), 2 + 1 + 7 + 1);  // ends with a line break
        QCOMPARE(lines[0], text[0]);
        QCOMPARE(lines[1], text[1]);
        QCOMPARE(lines[2], QStringLiteral("Date\tHijri\tFajr\tShrook\tDhuhr\tAsr\tMaghrib\tIsha"));
        for (int d = 0; d < 7; ++d) {
            const QStringList fields = lines[3 + d].split(u'\t');
            const QStringList expected = csv[1 + d].split(u',');
            QCOMPARE(fields.size(), 8);
            QCOMPARE(fields[0], QString::fromStdString(form->Week().Days[d].CivilDateText));
            QCOMPARE(fields.mid(2), expected.mid(5, 6));
            QCOMPARE(fields[2].endsWith(QStringLiteral(" AM")), twelveHours);
        }
        QCOMPARE(lines[3 + 4].split(u'\t')[1], hijriDays == 0 ? QStringLiteral("1 Shawwal 1445")
                                                              : QStringLiteral("30 Ramadan 1445"));
        QCOMPARE(lines[1].contains(QStringLiteral(", Fajr +2 min, Isha -1 min, Hijri date -1 day")),
                 !adjust.isEmpty());
    }

    // Save as... through its two dialogs: the file holds what orvandel-table writes for the
    // same settings, byte for byte (the iCalendar time stamp aside). Mecca's table is read on
    // the fixed offset, London's on its zone across the change to summer time.
    void savesWhatTheCommandWrites_data() {
        QTest::addColumn<QString>("city");
        QTest::addColumn<int>("shown");  // the shown date, days after 10 April 2024
        QTest::addColumn<int>("range");  // 0 the week, 1 the month, 2 days from the shown date
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("args");  // the same place, days and format for the command
        QTest::addColumn<QString>("suggested");
        QTest::addColumn<QList<int>>("minutes");  // adjustments, index by Prayer, also in args
        QTest::addColumn<int>("hijriDays");
        const QStringList mecca{"--city", "Mecca", "--zone", "3"};
        QTest::newRow("week as csv")
            << "Mecca" << 0 << 0 << int(OutputFormat::Csv)
            << mecca + QStringList{"--date", "2024-04-10", "--format", "csv"}
            << "prayer-times-mecca-2024-04-06.csv" << NoMinutes << 0;
        QTest::newRow("month as json")
            << "Mecca" << 0 << 1 << int(OutputFormat::Json)
            << mecca + QStringList{"--from", "2024-04-01", "--days", "30", "--format", "json"}
            << "prayer-times-mecca-2024-04-01.json" << NoMinutes << 0;
        QTest::newRow("45 days as ics")
            << "Mecca" << 0 << 2 << int(OutputFormat::Ics)
            << mecca + QStringList{"--from", "2024-04-10", "--days", "45", "--format", "ics"}
            << "prayer-times-mecca-2024-04-10.ics" << NoMinutes << 0;
        QTest::newRow("London's week of the change as csv")
            << "London" << -10 << 0 << int(OutputFormat::Csv)
            << QStringList{"--city", "London", "--date", "2024-03-31", "--format", "csv"}
            << "prayer-times-london-2024-03-30.csv" << NoMinutes << 0;
        QTest::newRow("London's month as ics")
            << "London" << -10 << 1 << int(OutputFormat::Ics)
            << QStringList{"--city", "London", "--from",   "2024-03-01",
                           "--days", "31",     "--format", "ics"}
            << "prayer-times-london-2024-03-01.ics" << NoMinutes << 0;
        QTest::newRow("adjusted month as ics")
            << "Mecca" << 0 << 1 << int(OutputFormat::Ics)
            << mecca + QStringList{"--from",   "2024-04-01",      "--days",         "30",
                                   "--format", "ics",             "--adjust",       "fajr=+2,asr=-5",
                                   "--hijri-adjust", "1"}
            << "prayer-times-mecca-2024-04-01.ics" << QList<int>{2, 0, 0, -5, 0, 0} << 1;
    }
    void savesWhatTheCommandWrites() {
        QFETCH(QString, city);
        QFETCH(int, shown);
        QFETCH(int, range);
        QFETCH(int, format);
        QFETCH(QStringList, args);
        QFETCH(QString, suggested);
        QFETCH(QList<int>, minutes);
        QFETCH(int, hijriDays);
        const auto form = ShowForm();
        form->SelectCity(FindCityByCaption(city.toStdString())->Tag);
        QVERIFY(Adjust(*form, minutes, hijriDays));
        form->edCalendar->SetValue(FixedToday() + shown);
        QTemporaryDir folder;
        const QString path = folder.filePath(suggested);
        const TDialogAnswer<TSaveTimetableDialog> ask([&](TSaveTimetableDialog* dialog) {
            QRadioButton* choices[] = {dialog->Week, dialog->Month, dialog->Days};
            choices[range]->setChecked(true);
            dialog->DayCount->setValue(45);
            dialog->Format->setCurrentIndex(dialog->Format->findData(format));
            dialog->accept();
        });
        QString offered;
        const TDialogAnswer<QFileDialog> name([&](QFileDialog* dialog) {
            offered = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->setDirectory(folder.path());
            dialog->selectFile(suggested);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        form->TimetableMenu->SaveAction->trigger();
        QVERIFY(ask.Answered() && name.Answered());
        QCOMPARE(offered, suggested);
        QFile saved(path);
        QVERIFY2(saved.open(QIODevice::ReadOnly), qPrintable(path));
        std::vector<std::string> command = {"--12h"};
        for (const QString& arg : args) {
            command.push_back(arg.toStdString());
        }
        QCOMPARE(WithoutStamp(QString::fromUtf8(saved.readAll())),
                 WithoutStamp(RunCommand(command)));
    }

    // A file that cannot be written, days the calendar does not hold and times a calendar
    // file cannot place are named; a file of that name stays as it was, and nothing is left
    // behind.
    void saveFailuresAreNamed_data() {
        QTest::addColumn<QString>("name");       // in a new folder
        QTest::addColumn<QByteArray>("before");  // the file's bytes before, null: no file
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<bool>("sunset");
        QTest::addColumn<double>("from");  // the first day, 0: the shown week
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("cause");
        const int csv = int(OutputFormat::Csv);
        QTest::newRow("a folder that does not exist")
            << "missing/week.csv" << QByteArray() << false << false << 0.0 << 7 << csv
            << "No such file or directory";
        QTest::newRow("a full disk, a new file")
            << "week.csv" << QByteArray() << true << false << 0.0 << 7 << csv << "the disk is full";
        QTest::newRow("a full disk, over an earlier file")
            << "week.csv" << QByteArray("Date,earlier week\n") << true << false << 0.0 << 7 << csv
            << "the disk is full";
        QTest::newRow("days past 9999-12-31")
            << "days.csv" << QByteArray() << false << false << EncodeDate(9999, 12, 8) << 3660
            << csv << "the 3660 days from 9999-12-08 pass 9999-12-31";
        QTest::newRow("sunset-based counts as ics")
            << "week.ics" << QByteArray() << false << true << 0.0 << 7 << int(OutputFormat::Ics)
            << "sunset";
    }
    void saveFailuresAreNamed() {
        QFETCH(QString, name);
        QFETCH(QByteArray, before);
        QFETCH(bool, fullDisk);
        QFETCH(bool, sunset);
        QFETCH(double, from);
        QFETCH(int, days);
        QFETCH(int, format);
        QFETCH(QString, cause);
        const auto form = ShowForm();
        form->cbSunsetBased->setChecked(sunset);
        const TTimetableMenu& menu = *form->TimetableMenu;
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (!before.isNull()) {
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(before) == before.size());
        }
        const QStringList files = FilesIn(folder.path());
        const int32_t first = from == 0.0 ? menu.WeekStart() : FixedFromDateTime(from);
        QString error;
        {
            std::optional<TFileSizeLimit> limit;
            if (fullDisk) {
                limit.emplace(FullDiskBytes);
            }
            QVERIFY(!limit || limit->Set());
            error = menu.SaveTo(path, first, days, static_cast<OutputFormat>(format));
        }
        QVERIFY2(error.contains(cause), qPrintable(error));
        QCOMPARE(FilesIn(folder.path()), files);
        if (!before.isNull()) {
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::ReadOnly));
            QCOMPARE(earlier.readAll(), before);
        }
    }

    // Print... and Print month... on a "Print to File (PDF)" printer, on one page of a few
    // kilobytes: the header, and the week as the window draws it or the month's rows, as text
    // a reader can search, also with the longest options line. The week's only pictures are
    // the digit images.
    void printsToPdf_data() {
        QTest::addColumn<bool>("month");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("rows");  // lines that carry a civil date of April 2024
        QTest::addColumn<QList<int>>("minutes");  // adjustments, index by Prayer
        QTest::addColumn<int>("hijriDays");
        const QString week = "Prayer times, Sat 06-Apr-2024 to Fri 12-Apr-2024";
        // Every time and the Hijri date adjusted: the longest options line.
        const QList<int> every{-60, 60, -60, 60, -60, 60};
        QTest::newRow("week") << false << week << 7 << NoMinutes << 0;
        QTest::newRow("month") << true << "Prayer times, April 2024" << 30 << NoMinutes << 0;
        QTest::newRow("adjusted week") << false << week << 7 << every << -2;
        QTest::newRow("adjusted month") << true << "Prayer times, April 2024" << 30 << every << -2;
    }
    void printsToPdf() {
        QFETCH(bool, month);
        QFETCH(QString, title);
        QFETCH(int, rows);
        QFETCH(QList<int>, minutes);
        QFETCH(int, hijriDays);
        const auto form = ShowForm();
        QVERIFY(Adjust(*form, minutes, hijriDays));
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("timetable.pdf"));
        const TPrintToPdf answer(pdf);
        QString said;
        const TDialogAnswer<QMessageBox> message([&](QMessageBox* box) {
            said = box->text();
            box->accept();
        });
        TTimetableMenu& menu = *form->TimetableMenu;
        (month ? menu.PrintMonthAction : menu.PrintAction)->trigger();
        QVERIFY(answer.Answered());
        QVERIFY2(!message.Answered(), qPrintable(said));
        QCOMPARE(FilesIn(folder.path()), QStringList{QStringLiteral("timetable.pdf")});
        const QString printed = PdfText(pdf);
        QVERIFY2(printed.contains(title), qPrintable(printed));
        // The text's runs of blanks come back as one.
        QVERIFY(
            printed.simplified().contains(QString::fromStdString(menu.PlaceLine()).simplified()));
        QVERIFY2(printed.simplified().contains(QString::fromStdString(menu.OptionsLine())),
                 qPrintable(printed));
        QCOMPARE(printed.contains(QStringLiteral("Isha +60 min, Hijri date -2 days")),
                 hijriDays != 0);
        QCOMPARE(printed.count(u'\f'), 1);  // one page
        const QString april = QString::fromStdString(form->Week().Days[4].CivilDateText).mid(6);
        int dated = 0;
        for (const QString& line : printed.split(u'\n')) {
            dated += line.contains(april) && !line.contains(QStringLiteral("Prayer times")) ? 1 : 0;
        }
        QCOMPARE(dated, rows);
        if (month) {  // the Maghrib of 10 April as a data time
            QVERIFY(printed.contains(QString::fromStdString(
                DataTimeText(form->ReadSettings(), menu.MonthRows()[9], 4))));
        } else {
            // Each day's times in the window's column order on one line, and its two dates.
            QStringList lines;
            for (const QString& line : printed.split(u'\n')) {
                lines.append(line.simplified());
            }
            for (int row = 1; row <= 7; ++row) {
                QStringList times;
                for (int col = 0; col < 6; ++col) {
                    times.append(form->TimeTexts[col][row].simplified());
                }
                const QString day = times.join(u' ');
                QVERIFY2(std::any_of(lines.begin(), lines.end(),
                                     [&](const QString& line) { return line.contains(day); }),
                         qPrintable(day + QStringLiteral(" not in:\n") + printed));
                QVERIFY(printed.contains(form->ColCities->Cell(0, row)));
                QVERIFY(printed.contains(form->HijriDateTexts[row]));
            }
        }
        const qint64 size = QFileInfo(pdf).size();
        QVERIFY2(size > 0 && size < 200 * 1024, qPrintable(QString::number(size)));
        // Printers cut off what lies near the sheet's edge: the ink keeps 10 mm clear on every
        // side, less the one pixel that the ink's edge may share with the paper.
        constexpr int dpi = 100;
        const QImage page = PdfPage(pdf, dpi);
        QVERIFY(!page.isNull());
        const QRect ink = InkBox(page);
        QVERIFY(!ink.isEmpty());
        const double mm = 25.4 / dpi;  // of a pixel
        const double margins[] = {ink.left() * mm, ink.top() * mm,
                                  (page.width() - 1 - ink.right()) * mm,
                                  (page.height() - 1 - ink.bottom()) * mm};
        for (const double margin : margins) {
            QVERIFY2(margin >= 10.0 - mm,
                     qPrintable(QStringLiteral(
                                    "ink %1 mm from an edge, left, top, right, bottom: %2 %3 %4 %5")
                                    .arg(margin)
                                    .arg(margins[0])
                                    .arg(margins[1])
                                    .arg(margins[2])
                                    .arg(margins[3])));
        }
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QVERIFY(images.waitForFinished());
        const QStringList listed =
            QString::fromUtf8(images.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(listed.size() > 2, !month);  // two heading lines, then one line a picture
        for (const QString& line : listed.mid(2)) {
            const QStringList columns = line.simplified().split(u' ');  // [3] width, [4] height
            QVERIFY2(
                columns[3].toInt() <= TImageList::Width && columns[4].toInt() <= TImageList::Height,
                qPrintable(line));
        }
    }

    // A print to a PDF file on a full disk says so and names the file; a file of that name
    // stays as it was, and nothing is left behind.
    void printFailuresAreNamed_data() {
        QTest::addColumn<bool>("month");
        QTest::addColumn<bool>("earlier");  // over a PDF printed before
        QTest::newRow("the month to a new file") << true << false;
        QTest::newRow("the week over an earlier print") << false << true;
    }
    void printFailuresAreNamed() {
        QFETCH(bool, month);
        QFETCH(bool, earlier);
        const auto form = ShowForm();
        QAction* print =
            month ? form->TimetableMenu->PrintMonthAction : form->TimetableMenu->PrintAction;
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("timetable.pdf"));
        QByteArray before;
        if (earlier) {
            const TPrintToPdf answer(pdf);
            print->trigger();
            QFile file(pdf);
            QVERIFY(answer.Answered() && file.open(QIODevice::ReadOnly));
            before = file.readAll();
            QVERIFY(PdfText(pdf).contains(QStringLiteral("Prayer times")));
        }
        const QStringList files = FilesIn(folder.path());
        QString said;
        {
            const TFileSizeLimit limit(FullDiskBytes);
            QVERIFY(limit.Set());
            const TPrintToPdf answer(pdf);
            const TDialogAnswer<QMessageBox> message([&](QMessageBox* box) {
                said = box->text();
                box->accept();
            });
            print->trigger();
            QVERIFY(answer.Answered());
            QVERIFY(message.Answered());
        }
        QCOMPARE(said, QStringLiteral("The timetable could not be printed to %1: the disk is full")
                           .arg(QDir::toNativeSeparators(pdf)));
        QCOMPARE(FilesIn(folder.path()), files);
        if (earlier) {
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), before);
        }
    }
};

ORVANDEL_UI_TEST(TimetableMenuTest);

}  // namespace orvandel::test

#include "TimetableMenuTest.moc"
