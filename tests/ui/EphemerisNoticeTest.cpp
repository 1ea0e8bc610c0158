// The line under the footnote that names a failed ephemeris start-up check.
#include <QLabel>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ephemeris/fn_Ephemeris.h"
#include "tests/ui/UiTestSupport.h"

namespace orvandel::test {

namespace fs = std::filesystem;

class EphemerisNoticeTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        StartEphemeris();
        SetClockOverride(std::nullopt);
    }

    void noLineWithGoodFiles() {
        StartEphemeris(PackagedEphemerisFolder());
        const auto form = ShowForm();
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("lblEphemerisNotice")), nullptr);
    }

    void lineUnderTheFootnoteAfterAFailedCheck() {
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
        QCOMPARE(line->text().toStdString(), notice);
        QCOMPARE(line->toolTip().toStdString(), notice);
        QVERIFY(line->isVisible());
        QCOMPARE(line->y(), form->RzLabel3->geometry().bottom() + 1);
        QCOMPARE(line->x(), form->RzLabel3->x());
        QCOMPARE(line->font(), form->RzLabel3->font());
        // The week still has its Hijri dates, from the source used instead.
        QVERIFY(!form->HijriDateTexts[1].isEmpty());
    }
};

ORVANDEL_UI_TEST(EphemerisNoticeTest);

}  // namespace orvandel::test

#include "EphemerisNoticeTest.moc"
