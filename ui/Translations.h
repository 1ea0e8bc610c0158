#pragma once
// The window's language: the program's translation (orvandel_<language>.qm) and Qt's own for its
// standard dialogs, for the first of the desktop's languages that the program speaks. English,
// with nothing installed, where the desktop asks for English first or for no language the program
// has. The core's texts (prayer names, Hijri months, the catalogue) stay English in the core; the
// window shows them through the functions below, which return them unchanged under English.

#include <QFont>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <span>
#include <string_view>

#include "platform/DateTime.h"

namespace orvandel {

struct TimetableDay;
struct TimetableSettings;

// Where the compiled translations are: the installed ones
// (<programFolder>/../share/orvandel/translations), else those of the build tree.
QString TranslationsFolder(const QString& programFolder);

// Installs into the running application, for as long as it lives, the translations of the first
// of `languages` (as QLocale::uiLanguages() names them, "ar", "fa-IR", "en-US") that `folder`
// holds, with Qt's own translation of that language where Qt ships one. A language that is
// English, or "C", ends the search: the window stays English.
class TTranslations {
  public:
    TTranslations(const QStringList& languages, const QString& folder);
    ~TTranslations();
    TTranslations(const TTranslations&) = delete;
    TTranslations& operator=(const TTranslations&) = delete;

    // The language installed ("ar", "fa"), empty for English.
    QString Language() const { return FLanguage; }

  private:
    QTranslator FProgram, FQt;
    QString FLanguage;
};

// The language code of the installed translation ("ar", "tr"); "en" while none is installed.
QString UiLanguage();
// Whether a translation is installed: the window's texts are not the core's English.
bool UiTranslated();
// The locale whose day and month names and digits the window's dates take: the translation's
// language.
QLocale UiLocale();
// Right to left where the translation says its texts run so (Arabic, Persian, Urdu).
Qt::LayoutDirection UiDirection();

// The shapes the timetable's digit images take: Arabic-Indic (٤ ٥ ٦), or the Eastern
// Arabic-Indic forms of Persian and Urdu (۴ ۵ ۶).
enum class TDigitShapes { ArabicIndic, EasternArabicIndic };
TDigitShapes UiDigitShapes();

// `font` with the families that draw the translations' scripts after its own, where a
// translation is installed: a script the font lacks then comes whole from one family (Urdu's
// heh goal joined to its neighbours), not letter by letter from whichever has it. Unchanged
// under English.
QFont WithScriptFamilies(QFont font);

// The window's name for an English text of the core: a prayer ("Fajr"), a Hijri month
// ("Shawwal"), a catalogue group or city, a method. The text itself under English or where no
// translation has it.
QString CoreCaption(std::string_view text);
// Prayer p (0 Fajr ... 5 Isha) and Hijri month m (1..12) as the window names them.
QString PrayerCaption(int prayer);
QString HijriMonthCaption(int month);
// A day's Hijri date, "2 Shawwal 1445" (the core's text under English); `none` where the day
// has none.
QString HijriDateCaption(const TimetableDay& day, const QString& none);
// The civil date of a day in the window's short form, "Wed 10-Apr-2024" (the core's text
// under English), in the translation's names and digits otherwise.
QString CivilDateCaption(const TimetableDay& day);
// The same form for any date serial; `dayDigits` digits of the day ("d" 1, "dd" 2).
QString ShortDateCaption(TDateTime value, int dayDigits);
// Time p of a day as data ("4:30 AM", "16:30"), the core's text with the translation's names for
// the halves of the day ("4:30 ص").
QString DataTimeCaption(const TimetableSettings& settings, const TimetableDay& day, int prayer);
// A weekday's short name, 1 Sunday ... 7 Saturday.
QString ShortDayCaption(int weekday);

// Every English text of the core that CoreCaption translates (the translations' keys).
std::span<const char* const> CoreCaptionTexts();

}  // namespace orvandel
