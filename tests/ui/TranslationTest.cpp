// The window's languages: the translation the desktop's language chooses, the core's names in
// the window's language, the direction and the digit shapes of each language.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <optional>
#include <set>
#include <string>

#include "calendar/Islamic.h"
#include "tests/ui/UiTestSupport.h"
#include "timetable/CalcMethods.h"
#include "timetable/CityCatalogue.h"
#include "timetable/Prayers.h"
#include "timetable/TableFormats.h"
#include "timetable/TableText.h"
#include "ui/CityList.h"
#include "ui/DateField.h"
#include "ui/DrawGrid.h"
#include "ui/PlaceFinder.h"
#include "ui/TimetableMenu.h"
#include "ui/Translations.h"

namespace orvandel::test {

namespace {

QString Shipped() {
    return TranslationsFolder(QCoreApplication::applicationDirPath());
}

void addRow(const char* language, const char* fajr, const char* month11, bool rightToLeft,
            bool easternDigits, const char* cairo) {
    QTest::newRow(language) << QString::fromUtf8(language) << QString::fromUtf8(fajr)
                            << QString::fromUtf8(month11) << rightToLeft << easternDigits
                            << QString::fromUtf8(cairo);
}

// Types `text` into `field` as one key press, as an input method of any script delivers it
// (QTest::keyClicks knows the Latin-1 keys alone).
void TypeText(QWidget* field, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
}

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT
  private slots:
    // The window as the program starts it under the desktop's language (ctest runs this under
    // LANGUAGE=en and LANGUAGE=ar): Arabic captions read from the widgets and a mirrored window
    // under Arabic, the English ones unmirrored under English.
    void desktopLanguage() {
        const QString language = QLocale::system().uiLanguages().value(0).left(2);
        const auto form = ShowForm();
        form->SelectCity(15);  // Mecca
        const bool arabic = language == QStringLiteral("ar");
        QCOMPARE(UiLanguage(), arabic ? QStringLiteral("ar") : QStringLiteral("en"));
        QCOMPARE(form->cbSunsetBased->text(),
                 arabic ? QStringLiteral("غروبي") : QStringLiteral("Sunset based"));
        QCOMPARE(form->RzLabel2->text(),
                 arabic ? QStringLiteral("التاريخ") : QStringLiteral("Date"));
        QCOMPARE(form->Grid->Cell(form->Week().ColumnOf(Fajr), 0),
                 arabic ? QStringLiteral(" الفجر") : QStringLiteral(" Fajr"));
        QCOMPARE(form->layoutDirection(), arabic ? Qt::RightToLeft : Qt::LeftToRight);
        // Mirrored: the city pane at the window's right edge, the timetable left of it.
        QCOMPARE(form->RzPanel2->x() > form->RzPanel1->x(), arabic);
        // "Right-to-left" still orders the columns: Fajr next to the dates, on the right.
        QVERIFY(form->DateColumnOnRight());
        QCOMPARE(form->Week().ColumnOf(Fajr), 5);
        // The copied week's column headings in the window's language.
        const QStringList headings = form->TimetableMenu->WeekText()
                                         .split(QLatin1Char('\n'))
                                         .value(2)
                                         .split(QLatin1Char('\t'));
        QCOMPARE(headings.value(0), arabic ? QStringLiteral("التاريخ") : QStringLiteral("Date"));
        QCOMPARE(headings.value(1), arabic ? QStringLiteral("هجري") : QStringLiteral("Hijri"));
        QCOMPARE(headings.value(2), arabic ? QStringLiteral("الفجر") : QStringLiteral("Fajr"));
        // A 12-hour time names its half of the day in the language: Saturday's Fajr is a morning.
        const QString fajr = form->TimetableMenu->WeekText()
                                 .split(QLatin1Char('\n'))
                                 .value(3)
                                 .split(QLatin1Char('\t'))
                                 .value(2);
        QVERIFY2(fajr.endsWith(arabic ? QStringLiteral(" ص") : QStringLiteral(" AM")),
                 qPrintable(fajr));
        // The Hijri date names its month in the window's language: 1 July 2026 is in Muharram.
        form->edCalendar->SetValue(EncodeDate(2026, 7, 1));
        QVERIFY2(form->HijriDateTexts[form->CurrentDayRow].contains(
                     arabic ? QStringLiteral("محرم") : QStringLiteral("Muharram")),
                 qPrintable(form->HijriDateTexts[form->CurrentDayRow]));
        // A town found by its name in the window's language, listed with its region and country
        // in that language; the copied week names it so, the table's own formats in English.
        TypeText(form->edFindPlace, arabic ? QStringLiteral("يورك") : QStringLiteral("York"));
        const QStringList listed =
            form->edFindPlace->Matches()->item(0)->text().split(QLatin1Char('\n'));
        QCOMPARE(listed.value(0), arabic ? QStringLiteral("يورك") : QStringLiteral("York"));
        QVERIFY2(listed.value(1).startsWith(arabic ? QStringLiteral("إنجلترا")
                                                   : QStringLiteral("England")) &&
                     listed.value(1).endsWith(arabic ? QStringLiteral("المملكة المتحدة")
                                                     : QStringLiteral("United Kingdom")),
                 qPrintable(listed.value(1)));
        QTest::keyClick(form->edFindPlace, Qt::Key_Return);
        QCOMPARE(form->edFindPlace->text(),
                 arabic ? QStringLiteral("يورك, GB") : QStringLiteral("York, GB"));
        QCOMPARE(form->TimetableMenu->PlaceName(), std::string("York, England, GB"));
        QVERIFY2(form->TimetableMenu->WeekText().startsWith(
                     arabic ? QStringLiteral("يورك, إنجلترا, GB  ")
                            : QStringLiteral("York, England, GB  ")),
                 qPrintable(form->TimetableMenu->WeekText().section(QLatin1Char('\n'), 0, 0)));
    }

    // Every name of the core that the window shows has its key in the translations, so that
    // no language leaves one in English.
    void everyCoreNameHasAKey() {
        std::set<std::string> keys;
        for (const char* text : CoreCaptionTexts()) {
            keys.insert(text);
        }
        std::set<std::string> names;
        for (const TPrayerInfo& prayer : Prayers) {
            names.insert(std::string(prayer.Name));
        }
        for (const std::string_view month : IslamicMonthNames) {
            names.insert(std::string(month));
        }
        for (const TCalcMethod& method : CalcMethods()) {
            names.insert(std::string(method.Caption));
        }
        for (const TJuristicMethod& juristic : JuristicMethods) {
            names.insert(std::string(juristic.Caption));
        }
        for (const THighLatitudeRule& rule : HighLatitudeRules) {
            names.insert(std::string(rule.Caption));
        }
        for (const TOutputFormat& format : OutputFormats) {
            if (!format.Caption.empty()) {
                names.insert(std::string(format.Caption));
                names.insert(std::string(format.FileFilter));
            }
        }
        const auto form = ShowForm();
        for (int group = 0; group < form->CityList->GroupCount(); ++group) {
            names.insert(std::string(form->CityList->GroupInfo(group).Caption));
            for (int item = 0; item < form->CityList->ItemCount(group); ++item) {
                names.insert(std::string(form->CityList->Item(group, item).Caption));
            }
        }
        for (const std::string& name : names) {
            QVERIFY2(keys.count(name) == 1, name.c_str());
        }
    }

    // Under English the window's texts are the core's own, byte for byte.
    void englishIsTheCore() {
        const auto form = ShowForm();
        if (UiTranslated()) {
            QSKIP("a translation is installed");
        }
        for (int p = 0; p < 6; ++p) {
            QCOMPARE(PrayerCaption(p), QString::fromStdString(PrayerName(p)));
        }
        for (const TimetableDay& day : form->Week().Days) {
            QCOMPARE(CivilDateCaption(day), QString::fromStdString(day.CivilDateText));
            QCOMPARE(HijriDateCaption(day, QString()), QString::fromStdString(day.HijriDateText));
        }
    }

    // Each language: its name for Fajr and for Dhu al-Qa`da, its direction and its digits.
    void languages_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("fajr");
        QTest::addColumn<QString>("month11");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<bool>("easternDigits");
        QTest::addColumn<QString>("cairo");  // as the find field lists it
        addRow("ar", "الفجر", "ذو القعدة", true, false, "القاهرة");
        addRow("ur", "فجر", "ذوالقعدہ", true, true, "قاہرہ");
        addRow("fa", "صبح", "ذی‌القعده", true, true, "قاهره");
        addRow("tr", "İmsak", "Zilkade", false, false, "Kahire");
        addRow("id", "Subuh", "Zulkaidah", false, false, "Kairo");
        addRow("ms", "Subuh", "Zulkaedah", false, false, "Kaherah");
        addRow("bn", "ফজর", "জিলকদ", false, false, "কায়রো");
        addRow("fr", "Fajr", "Dhou al-qi’da", false, false, "Le Caire");
        addRow("de", "Fadschr", "Dhu l-Qada", false, false, "Kairo");
    }
    void languages() {
        QFETCH(QString, language);
        QFETCH(QString, fajr);
        QFETCH(QString, month11);
        QFETCH(bool, rightToLeft);
        QFETCH(bool, easternDigits);
        QFETCH(QString, cairo);
        const TTranslations translation(QStringList{language}, Shipped());
        QCOMPARE(translation.Language(), language);
        QCOMPARE(UiLanguage(), language);
        QCOMPARE(PrayerCaption(Fajr), fajr);
        QCOMPARE(HijriMonthCaption(11), month11);
        QCOMPARE(UiDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QCOMPARE(UiDigitShapes() == TDigitShapes::EasternArabicIndic, easternDigits);
        // The find field lists a town found by its English name under its name in the language,
        // and finds it by that name too.
        for (const QString& typed : {QStringLiteral("Cairo"), cairo}) {
            QWidget window;
            TPlaceFinder* finder = new TPlaceFinder(new QWidget(&window), &window);
            window.show();
            TypeText(finder, typed);
            QCOMPARE(finder->Matches()->item(0)->text().section(QLatin1Char('\n'), 0, 0), cairo);
            QCOMPARE(finder->Found().front()->Caption, std::string("Cairo, Cairo Governorate, EG"));
        }
    }

    // The desktop's list of languages is read in order; English first keeps the window English,
    // a language without a translation gives way to the next.
    void languageOrder_data() {
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Arabic") << QStringList{"ar-SA"} << "ar";
        QTest::newRow("English before Arabic") << QStringList{"en-GB", "ar"} << "";
        QTest::newRow("Swahili, then Arabic") << QStringList{"sw", "ar"} << "ar";
        QTest::newRow("none") << QStringList{} << "";
        QTest::newRow("C") << QStringList{"C", "ar"} << "";
    }
    void languageOrder() {
        QFETCH(QStringList, desktop);
        QFETCH(QString, chosen);
        const TTranslations translation(desktop, Shipped());
        QCOMPARE(translation.Language(), chosen);
    }
};

ORVANDEL_UI_TEST(TranslationTest);

}  // namespace orvandel::test

#include "TranslationTest.moc"
