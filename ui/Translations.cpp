#include "ui/Translations.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <array>
#include <utility>

#include "calendar/Islamic.h"
#include "timetable/Prayers.h"
#include "timetable/TableText.h"
#include "timetable/Timetable.h"

namespace orvandel {

namespace {

constexpr const char* CoreContext = "orvandel::CoreTexts";

// The core's English texts that the window shows, as the translations' keys. The window's own
// tests check that every name of the core's tables is here.
// clang-format off
constexpr std::array CoreTexts = {
    // The six times.
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Fajr"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Shrook"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Dhuhr"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Asr"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Maghrib"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Isha"),
    // The Umm al-Qura months.
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Muharram"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Safar"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Rabi I"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Rabi II"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Jumada I"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Jumada II"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Rajab"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Sha`ban"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Ramadan"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Shawwal"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Dhu al-Qa`da"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Dhu al-Hijja"),
    // The methods, the high-latitude rules and the Save as formats.
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Muslim World League"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Egyptian General Authority of Survey"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Karachi Islamic Sciences University"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Umm Al-Qura"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "ISNA"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Gulf Region"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Kuwait Ministry of Awqaf"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Qatar Ministry of Awqaf"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "UAE Islamic Affairs and Awqaf (Dubai)"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "MUIS Singapore"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "JAKIM Malaysia"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Kemenag Indonesia"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Diyanet Turkey"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "UOIF France"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Spiritual Administration of Muslims of Russia"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Institute of Geophysics, Tehran"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Shia Ithna Ashari (Jafari)"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Morocco Ministry of Habous"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Algeria Ministry of Religious Affairs"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Tunisia Ministry of Religious Affairs"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Jordan Ministry of Awqaf"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Moonsighting Committee Worldwide"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Standard"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Hanafi"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "the 48-degree rule"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "high latitudes by the middle of the night"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "high latitudes by a seventh of the night"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "high latitudes by the twilight angle"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "CSV (spreadsheets)"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "JSON"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "iCalendar (calendar programs)"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "CSV files (*.csv)"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "JSON files (*.json)"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "iCalendar files (*.ics)"),
    // The catalogue's groups and cities.
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Saudi Arabia"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Middle East"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Africa"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Americas"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Asia"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Europe"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Oceania"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Abha"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Buraidah"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Dammam"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Jeddah"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Madina"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Mecca"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Riyadh"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Tabouk"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Taif"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Abu Dhabi"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Amman"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Baghdad"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Beirut"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Damascus"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Doha"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Dubai"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Istanbul"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Jerusalem"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Kuwait City"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Muscat"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Sanaa"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Tehran"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Algiers"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Asmara"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Bamako"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Cairo"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Dakar"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Djibouti"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Khartoum"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Lagos"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Marrakech"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Mogadishu"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Nouakchott"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Tripoli"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Tunis"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Bogota"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Buenos Aires"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Chicago"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Dallas"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Lima"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Los Angeles"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Mexico City"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Miami"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Montreal"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "New York"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Santiago"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Sao Paulo"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Toronto"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Vancouver"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Ashgabat"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Bangkok"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Beijing"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Dhaka"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Hong Kong"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Islamabad"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Jakarta"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Kabul"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Kuala Lumpur"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "New Delhi"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Rangoon"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Singapore"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Tokyo"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Bucarest"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Copenhagen"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Frankfurt"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Kiev"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Lisbon"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "London"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Madrid"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Moscow"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Paris"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Rome"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Sarajevo"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Vienna"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Warsaw"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Auckland"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Christchurch"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Melbourne"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Noumea"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Perth"),
    QT_TRANSLATE_NOOP("orvandel::CoreTexts", "Sydney"),
};
// clang-format on

// Qt's own direction message: its translation is "RTL" in the right-to-left languages. Kept in
// the program's translations too, for the languages that Qt has no translation of (Urdu).
constexpr const char* DirectionText = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

bool IsEnglish(const QString& language) {
    const QLocale locale(language);
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

}  // namespace

QString TranslationsFolder(const QString& programFolder) {
    const QString installed =
        QDir(programFolder).filePath(QStringLiteral(ORVANDEL_INSTALLED_TRANSLATIONS));
    return QFileInfo(installed).isDir() ? QDir::cleanPath(installed)
                                        : QStringLiteral(ORVANDEL_BUILD_TRANSLATIONS);
}

TTranslations::TTranslations(const QStringList& languages, const QString& folder) {
    for (const QString& language : languages) {
        if (IsEnglish(language)) {
            return;
        }
        const QLocale locale(language);
        if (FProgram.load(locale, QStringLiteral("orvandel"), QStringLiteral("_"), folder)) {
            FLanguage = FProgram.language();
            // Qt's translation where it has one: the print, file and message dialogs.
            if (FQt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(&FQt);
            }
            QCoreApplication::installTranslator(&FProgram);
            return;
        }
    }
}

TTranslations::~TTranslations() {
    QCoreApplication::removeTranslator(&FProgram);
    QCoreApplication::removeTranslator(&FQt);
}

QString UiLanguage() {
    //: The code of this translation's language as in its file name: ar, fa, pt_BR.
    return QCoreApplication::translate("orvandel::Translations", "en");
}

bool UiTranslated() {
    return UiLanguage() != QStringLiteral("en");
}

QLocale UiLocale() {
    return UiTranslated() ? QLocale(UiLanguage())
                          : QLocale(QLocale::English, QLocale::UnitedStates);
}

Qt::LayoutDirection UiDirection() {
    return QCoreApplication::translate("QGuiApplication", DirectionText) == QStringLiteral("RTL")
               ? Qt::RightToLeft
               : Qt::LeftToRight;
}

TDigitShapes UiDigitShapes() {
    const QLocale::Language language = UiLocale().language();
    return language == QLocale::Persian || language == QLocale::Urdu
               ? TDigitShapes::EasternArabicIndic
               : TDigitShapes::ArabicIndic;
}

QFont WithScriptFamilies(QFont font) {
    if (UiTranslated()) {
        // The family's substitutes, where it has them, in its place: a family that is not
        // installed would take the platform's wider default face in a list of families, where
        // alone it takes its first substitute as under English.
        QStringList families = QFont::substitutes(font.family());
        if (families.isEmpty()) {
            families << font.family();
        }
        font.setFamilies(families << QStringLiteral("Noto Sans Arabic UI")
                                  << QStringLiteral("Noto Sans Bengali UI"));
    }
    return font;
}

QString CoreCaption(std::string_view text) {
    const QByteArray key(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate(CoreContext, key.constData());
}

QString PrayerCaption(int prayer) {
    return CoreCaption(PrayerAt(prayer).Name);
}

QString HijriMonthCaption(int month) {
    return CoreCaption(IslamicMonthNames.at(static_cast<size_t>(month - 1)));
}

QString HijriDateCaption(const TimetableDay& day, const QString& none) {
    if (!day.HijriValid) {
        return none;
    }
    if (!UiTranslated()) {
        return QString::fromStdString(day.HijriDateText);
    }
    const QLocale locale = UiLocale();
    //: A Hijri date: %1 the day, %2 the month's name, %3 the year.
    return QCoreApplication::translate("orvandel::Translations", "%1 %2 %3")
        .arg(locale.toString(day.HijriDay), HijriMonthCaption(day.HijriMonth),
             locale.toString(day.HijriYear).remove(locale.groupSeparator()));
}

QString ShortDateCaption(TDateTime value, int dayDigits) {
    const TCivilDate civil = DecodeDate(value);
    const QDate date(civil.Year, civil.Month, civil.Day);
    //: Qt's date format of the date field: ddd the day's short name, d the day, MMM the
    //: month's short name, yyyy the year.
    const QString fieldFormat =
        QCoreApplication::translate("orvandel::Translations", "ddd d-MMM-yyyy");
    //: Qt's date format of the timetable's date column, the day in two digits (dd).
    const QString columnFormat =
        QCoreApplication::translate("orvandel::Translations", "ddd dd-MMM-yyyy");
    return UiLocale().toString(date, dayDigits == 1 ? fieldFormat : columnFormat);
}

QString CivilDateCaption(const TimetableDay& day) {
    return UiTranslated() ? ShortDateCaption(day.Serial, 2)
                          : QString::fromStdString(day.CivilDateText);
}

QString DataTimeCaption(const TimetableSettings& settings, const TimetableDay& day, int prayer) {
    QString text = QString::fromStdString(DataTimeText(settings, day, prayer));
    if (!UiTranslated()) {
        return text;
    }
    const QLocale locale = UiLocale();
    for (const auto& [english, own] : {std::pair(QStringLiteral(" AM"), locale.amText()),
                                       std::pair(QStringLiteral(" PM"), locale.pmText())}) {
        if (text.endsWith(english)) {
            text.replace(text.size() - english.size(), english.size(), u' ' + own);
        }
    }
    return text;
}

QString ShortDayCaption(int weekday) {
    // QLocale counts Monday as 1 and Sunday as 7.
    return UiLocale().dayName(weekday == 1 ? 7 : weekday - 1, QLocale::ShortFormat);
}

std::span<const char* const> CoreCaptionTexts() {
    return CoreTexts;
}

}  // namespace orvandel
