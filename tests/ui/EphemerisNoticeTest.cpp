// The line that names a failed ephemeris start-up check.
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "ephemeris/fn_Ephemeris.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/CrashReportDialog.h"
#include "ui/DateField.h"
#include "ui/Translations.h"

namespace orvandel::test {

namespace fs = std::filesystem;

class EphemerisNoticeTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { StartEphemeris(); }

    void noLineWithGoodFiles() {
        StartEphemeris(PackagedEphemerisFolder());
        const auto form = ShowForm();
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("lblEphemerisNotice")), nullptr);
    }

    // In English the line is the notice; a translated window says it in its language, on the
    // mirrored side where that reads right to left, with the English notice in the tool tip.
    void lineOnTheCoordinatesCaptionRowAfterAFailedCheck_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        QTest::newRow("Arabic") << QStringLiteral("ar");
    }
    void lineOnTheCoordinatesCaptionRowAfterAFailedCheck() {
        QFETCH(QString, language);
        std::optional<TTranslations> translation;
        if (!language.isEmpty()) {
            translation.emplace(QStringList{language},
                                TranslationsFolder(QCoreApplication::applicationDirPath()));
            QCOMPARE(translation->Language(), language);
        }
        std::string pattern = (fs::temp_directory_path() / "orvandel-ui-XXXXXX").string();
        QVERIFY(mkdtemp(pattern.data()) != nullptr);
        std::ofstream(fs::path(pattern) / "de406.eph").flush();  // empty: unreadable
        StartEphemeris(pattern);
        fs::remove_all(pattern);
        const std::string notice = EphemerisNotice();
        QVERIFY(!notice.empty());

        const auto form = ShowForm();
        const auto* line = form->findChild<QLabel*>(QStringLiteral("lblEphemerisNotice"));
        QVERIFY(line != nullptr);
        QCOMPARE(line->toolTip().toStdString(), notice);
        QVERIFY(line->isVisible());
        // Shown whole or elided at its end, never past the window's edge or over a control.
        const QString shown = line->text();
        const QString whole =
            language.isEmpty()
                ? line->toolTip()
                : QCoreApplication::translate("orvandel::EphemerisNotice",
                                              "An ephemeris source failed its check (details in "
                                              "the tool tip, in English)");
        QVERIFY(whole != QStringLiteral("An ephemeris source failed its check (details in the "
                                        "tool tip, in English)"));
        QVERIFY(shown == whole ||
                (shown.endsWith(QChar(0x2026)) && whole.startsWith(shown.chopped(1))));
        QVERIFY(form->rect().contains(line->geometry()));
        QCOMPARE(line->font(), form->RzLabel3->font());
        const QGroupBox* group = form->RzGroupBox3;
        QCOMPARE(line->y(), group->y());
        const int title = QFontMetrics(group->font()).horizontalAdvance(group->title());
        if (form->layoutDirection() == Qt::RightToLeft) {
            QVERIFY(line->geometry().right() < group->geometry().right() - title);
        } else {
            QVERIFY(line->x() > group->x() + title);
        }
        for (const QWidget* other : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != line && other != group && other->isVisible()) {
                QVERIFY2(!other->geometry().intersects(line->geometry()),
                         qPrintable(other->objectName()));
            }
        }
        // The crash report names it too.
        QVERIFY(QString::fromStdString(FormatDetails(SystemDetails(form.get())))
                    .contains(QString::fromStdString(notice)));
        // The week still has its Hijri dates, from the source used instead.
        QVERIFY(!form->HijriDateTexts[1].isEmpty());
    }

    // A moon file that passes the start-up check and answers wrongly for 1881: the week that
    // reaches it gives the file up, shows the dates of the packaged files and names the fault.
    void lineAppearsWhenARecomputeGivesUpAFile() {
        std::string pattern = (fs::temp_directory_path() / "orvandel-ui-XXXXXX").string();
        QVERIFY(mkdtemp(pattern.data()) != nullptr);
        const fs::path folder(pattern);
        for (const char* name : {"sepl_18.se1", "semo_18.se1"}) {
            fs::copy_file(PackagedEphemerisFolder() / name, folder / name);
        }
        std::fstream moon(folder / "semo_18.se1", std::ios::in | std::ios::out | std::ios::binary);
        moon.seekp(3996);
        moon.put('\x09');
        moon.close();
        StartEphemeris(folder);
        QCOMPARE(EphemerisNotice(), std::string());

        const auto form = ShowForm();
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("lblEphemerisNotice")), nullptr);
        form->edCalendar->SetValue(EncodeDate(1881, 10, 20));
        fs::remove_all(folder);
        const auto* line = form->findChild<QLabel*>(QStringLiteral("lblEphemerisNotice"));
        QVERIFY(line != nullptr);
        QVERIFY(line->isVisible());
        QCOMPARE(line->toolTip().toStdString(), EphemerisNotice());
        QVERIFY(line->toolTip().contains(QStringLiteral("failed the check of its answers")));
        QCOMPARE(form->HijriDateTexts[6], QStringLiteral("26 Dhu al-Qa`da 1298"));
    }
};

ORVANDEL_UI_TEST(EphemerisNoticeTest);

}  // namespace orvandel::test

#include "EphemerisNoticeTest.moc"
