// "Open on this place next time": off at first with nothing written; while on, the window
// opens next time on the place, methods and options it was left with; a kept file that is
// damaged, too large or no file at all is named on the notice line and the window opens on
// Mecca as ever.
#include <unistd.h>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "tests/ui/UiTestSupport.h"
#include "timetable/CalcMethods.h"
#include "timetable/CityCatalogue.h"
#include "ui/NumericField.h"
#include "ui/PlaceFinder.h"
#include "ui/PlaceMemory.h"
#include "ui/RadioGroup.h"
#include "ui/TimetableMenu.h"

namespace orvandel::test {

namespace {

// Every file under `folder`, relative to it.
QStringList FilesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << QDir(folder).relativeFilePath(it.next());
    }
    return files;
}

// What the settings of two windows must share for them to show the same table: the values a
// kept place holds.
void CompareSettings(const TimetableSettings& a, const TimetableSettings& b) {
    const auto values = [](const TimetableSettings& s) {
        return PlaceMemoryValues({s, nullptr, nullptr, "caption", true});
    };
    QVERIFY(values(a) == values(b));
}

QString NoticeText(const TForm1& form) {
    const auto* line =
        form.findChild<QLabel*>(QStringLiteral("lblEphemerisNotice"), Qt::FindDirectChildrenOnly);
    return line != nullptr && line->isVisible() ? line->toolTip() : QString();
}

}  // namespace

class PlaceMemoryTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<QTemporaryDir> FConfig;
    QByteArray FSavedConfig;

  private slots:
    void init() {
        FSavedConfig = qgetenv("XDG_CONFIG_HOME");
        FConfig = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", FConfig->path().toUtf8());
        QVERIFY(PlaceMemoryPath().startsWith(FConfig->path()));
    }
    void cleanup() {
        qputenv("XDG_CONFIG_HOME", FSavedConfig);
        FConfig.reset();
    }

    // Without the item the window opens on Mecca and writes nothing, whatever changes.
    void offUntilChosenAndNothingWritten() {
        const auto form = ShowForm();
        QCOMPARE(form->City()->Caption, std::string_view("Mecca"));
        QVERIFY(!form->TimetableMenu->RememberPlaceAction->isChecked());
        QVERIFY(form->TimetableMenu->RememberPlaceAction->isCheckable());
        form->SelectCity(76);
        form->cbRoundMinutes->click();
        form->spinDegLat->setValue(53.35);
        form->SetAdjustments({1, 0, 0, 0, 0, -1}, 1, HighLatitudeRule::Seventh);
        QCOMPARE(FilesUnder(FConfig->path()), QStringList());
        QVERIFY(NoticeText(*form).isEmpty());
    }

    // Turned on, then changed: the next window opens on the last place, methods and options,
    // and shows the same table. Turned off: the file goes and the next window is on Mecca.
    void keptPlaceOpensNextTime_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("typed");  // Dublin's coordinates typed after the city
        QTest::addColumn<QString>("city");
        QTest::newRow("London, Egyptian, Hanafi, options") << 76 << false << "London";
        QTest::newRow("typed at Dublin after London") << 76 << true << "London";
        QTest::newRow("Riyadh, sunset based") << 16 << false << "Riyadh";
        QTest::newRow("a town found by name") << 0 << false << "Leeds, England, GB";
    }
    void keptPlaceOpensNextTime() {
        QFETCH(int, tag);
        QFETCH(bool, typed);
        QFETCH(QString, city);
        TimetableSettings shown;
        std::array<QString, 6> texts;
        {
            const auto form = ShowForm();
            form->TimetableMenu->RememberPlaceAction->trigger();
            QVERIFY(form->RememberPlace());
            QVERIFY(QFile::exists(PlaceMemoryPath()));
            // Changes after turning it on are kept as they happen, not at close.
            if (tag == 0) {
                QTest::keyClicks(form->edFindPlace, QStringLiteral("Leeds"));
                QTest::keyClick(form->edFindPlace, Qt::Key_Return);
            } else {
                form->SelectCity(tag);
            }
            if (typed) {
                form->spinDegLat->setValue(53.35);
                form->spinDegLong->setValue(-6.26);
                form->spinElevation->setValue(20);
                form->cbLocalClock->setChecked(false);
            }
            if (tag == 16) {
                form->cbSunsetBased->click();
            } else {
                form->rgCalcMethod->SetItemIndex(EgyptianSurvey);
                form->rgJuristic->SetItemIndex(1);
                form->cb12hours->click();
                form->cbRightToLeft->click();
            }
            form->cbRoundMinutes->click();
            form->SetAdjustments({2, 0, -1, 0, 3, 60}, -2, HighLatitudeRule::Angle);
            shown = form->ReadSettings();
            for (int col = 0; col < 6; ++col) {
                texts[col] = form->TimeTexts[col][FixedTodayRow];
            }
            const std::optional<TPlaceMemory> kept = ReadPlaceMemory(PlaceMemoryPath());
            QVERIFY(kept.has_value());
            if (tag == 0) {
                QVERIFY(kept->City == nullptr);
                QCOMPARE(kept->Town->Caption, city.toStdString());
            } else {
                QCOMPARE(kept->City->Caption, std::string_view(city.toStdString()));
            }
            QCOMPARE(kept->LocalClock, !typed);
            CompareSettings(kept->Settings, shown);
            QVERIFY(NoticeText(*form).isEmpty());
        }
        {
            const auto form = ShowForm();
            QVERIFY(form->RememberPlace());
            QVERIFY(form->TimetableMenu->RememberPlaceAction->isChecked());
            QCOMPARE(QString::fromUtf8(form->City()->Caption.data(), form->City()->Caption.size()),
                     city);
            CompareSettings(form->ReadSettings(), shown);
            QCOMPARE(form->cbLocalClock->isChecked(), !typed);
            QCOMPARE(form->cb12hours->isEnabled(), !shown.SunsetBased);
            for (int col = 0; col < 6; ++col) {
                QCOMPARE(form->TimeTexts[col][FixedTodayRow], texts[col]);
            }
            form->TimetableMenu->RememberPlaceAction->trigger();
            QVERIFY(!form->RememberPlace());
            QVERIFY(!QFile::exists(PlaceMemoryPath()));
            form->cbRoundMinutes->click();
            QVERIFY(!QFile::exists(PlaceMemoryPath()));
        }
        const auto form = ShowForm();
        QCOMPARE(form->City()->Caption, std::string_view("Mecca"));
        QVERIFY(!form->RememberPlace());
        QCOMPARE(form->ReadSettings().CalcMethod, int(UmmAlQura));
    }

    // A kept file that fails is named once on the notice line and not used: the window opens
    // on Mecca with the item off, and leaves the file as it was. Choosing the item then
    // replaces it, or names why it cannot.
    void damagedFileIsNamedAndIgnored_data() {
        QTest::addColumn<QByteArray>("content");  // "<dir>": a folder in the file's place
        QTest::addColumn<QString>("named");       // in the notice
        QTest::addColumn<bool>("replaced");       // choosing the item writes a good file
        const QByteArray good =
            "[Place]\nCaption=Tromso\nLatitude=21.42\nLongitude=39.83\nGmtHours=3\n"
            "GmtMinutes=0\nElevation=0\n[Method]\nCalculation=mwl\nJuristic=standard\n"
            "[Options]\nSafetyTime=true\nNearestMinute=false\nTwelveHours=true\n"
            "RightToLeft=true\nSunsetBased=false\nLocalClock=true\nHighLatitude=rule48\n"
            "AdjustMinutes=0 0 0 0 0 0\nHijriAdjustDays=0\n";
        const auto with = [&good](const char* from, const char* to) {
            QByteArray text = good;
            return text.replace(from, to);
        };
        QTest::newRow("empty") << QByteArray() << "Place/Caption missing" << true;
        QTest::newRow("Tromso's latitude") << with("Latitude=21.42", "Latitude=69.65")
                                           << "'69.65' outside -65.7273..65.7273" << true;
        QTest::newRow("latitude not a number")
            << with("Latitude=21.42", "Latitude=nan") << "'nan' is not a number" << true;
        QTest::newRow("unknown method")
            << with("Calculation=mwl", "Calculation=hanbali") << "'hanbali' is not one of" << true;
        QTest::newRow("unknown city")
            << with("[Place]\n", "[Place]\nCity=Atlantis\nZone=Asia/Riyadh\n")
            << "'Atlantis' is no city" << true;
        QTest::newRow("minutes beyond an hour")
            << with("0 0 0 0 0 0", "0 0 0 0 0 61") << "'61' outside -60..60" << true;
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe[\x01=\x02\n", 8) << "missing" << true;
        QTest::newRow("huge") << QByteArray(50 * 1024 * 1024, 'x') << "too large" << true;
        QTest::newRow("a folder") << QByteArray("<dir>") << "not a file" << false;
    }
    void damagedFileIsNamedAndIgnored() {
        QFETCH(QByteArray, content);
        QFETCH(QString, named);
        QFETCH(bool, replaced);
        const QString path = PlaceMemoryPath();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        if (content == "<dir>") {
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(content), qint64(content.size()));
        }
        const auto form = ShowForm();
        QCOMPARE(form->City()->Caption, std::string_view("Mecca"));
        QCOMPARE(form->spinDegLat->value(), 21.42);
        QVERIFY(!form->RememberPlace());
        const QString notice = NoticeText(*form);
        QVERIFY2(notice.contains(path) && notice.contains(named), qPrintable(notice));
        QCOMPARE(form->PlaceMemoryProblem(), notice);
        // Not believed, not removed, not written over by a change.
        form->cbRoundMinutes->click();
        if (content != "<dir>") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll() == content);
        }
        form->TimetableMenu->RememberPlaceAction->trigger();
        if (replaced) {
            QVERIFY2(NoticeText(*form).isEmpty(), qPrintable(NoticeText(*form)));
            QVERIFY(ReadPlaceMemory(path).has_value());
        } else {
            QVERIFY2(NoticeText(*form).contains(QStringLiteral("not a file")),
                     qPrintable(NoticeText(*form)));
        }
    }

    // A file the user cannot read (as root every file can be read, and the row is skipped).
    void unreadableFileIsNamed() {
        if (geteuid() == 0) {
            QSKIP("root reads a file of mode 000");
        }
        const QString path = PlaceMemoryPath();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::Permissions()));
        const auto form = ShowForm();
        QVERIFY(!form->RememberPlace());
        QVERIFY2(NoticeText(*form).contains(path), qPrintable(NoticeText(*form)));
    }
};

ORVANDEL_UI_TEST(PlaceMemoryTest);

}  // namespace orvandel::test

#include "PlaceMemoryTest.moc"
