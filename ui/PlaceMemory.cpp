#include "ui/PlaceMemory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cmath>

#include "platform/TimeZone.h"
#include "timetable/CalcMethods.h"
#include "timetable/KeyedRows.h"
#include "timetable/SettingsRules.h"
#include "ui/FileReplacement.h"

namespace orvandel {
namespace {

const QString FileName = QStringLiteral("Orvandel/place.ini");

QString Bool(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString Key(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// Reads one file's values, each checked before it is taken; every failure names the file and
// the key.
class TReader {
  public:
    TReader(const QString& path, QSettings& settings) : FPath(path), FSettings(settings) {}

    [[noreturn]] void Fail(const QString& key, const std::string& why) const {
        throw EPlaceMemoryError(FPath.toStdString() + ": " + key.toStdString() + " " + why);
    }

    QString Text(const QString& key) const {
        const QVariant value = FSettings.value(key);
        if (!value.isValid()) {
            Fail(key, "missing");
        }
        if (value.typeId() != QMetaType::QString) {
            Fail(key, "is not text");
        }
        return value.toString();
    }
    // The text as a message may quote it: one line, control characters escaped, cut short.
    std::string Quoted(const QString& text) const {
        return "'" + EscapeControls(text.left(40).toStdString()) + "'";
    }
    double Decimal(const QString& key, TFieldRange<double> range) const {
        const QString text = Text(key);
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok || !std::isfinite(value)) {
            Fail(key, Quoted(text) + " is not a number");
        }
        if (!range.Contains(value)) {
            Fail(key, Quoted(text) + " outside " + RangeText(range));
        }
        return value;
    }
    int Whole(const QString& key, TFieldRange<int> range) const {
        return WholeOf(key, Text(key), range);
    }
    int WholeOf(const QString& key, const QString& text, TFieldRange<int> range) const {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok) {
            Fail(key, Quoted(text) + " is not a whole number");
        }
        if (!range.Contains(value)) {
            Fail(key, Quoted(text) + " outside " + RangeText(range));
        }
        return value;
    }
    bool Flag(const QString& key) const {
        const QString text = Text(key);
        if (text != QStringLiteral("true") && text != QStringLiteral("false")) {
            Fail(key, Quoted(text) + " is neither true nor false");
        }
        return text == QStringLiteral("true");
    }
    template <typename Rows>
    int Row(const QString& key, const Rows& rows) const {
        const QString text = Text(key);
        const int index = IndexOfKey(rows, text.toStdString());
        if (index < 0) {
            Fail(key, Quoted(text) + " is not one of " + JoinedKeys(rows, "|"));
        }
        return index;
    }

  private:
    const QString& FPath;
    QSettings& FSettings;
};

}  // namespace

QString PlaceMemoryPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(FileName);
}

std::vector<std::pair<QString, QString>> PlaceMemoryValues(const TPlaceMemory& memory) {
    const TimetableSettings& s = memory.Settings;
    const auto decimal = [](double value) { return QString::number(value, 'g', 17); };
    QStringList adjust;
    for (int minutes : s.AdjustMinutes) {
        adjust << QString::number(minutes);
    }
    std::vector<std::pair<QString, QString>> values = {
        {QStringLiteral("Place/Caption"), QString::fromStdString(memory.Caption)},
        {QStringLiteral("Place/Latitude"), decimal(s.Latitude)},
        {QStringLiteral("Place/Longitude"), decimal(s.Longitude)},
        {QStringLiteral("Place/GmtHours"), QString::number(s.GmtHours)},
        {QStringLiteral("Place/GmtMinutes"), QString::number(s.GmtMinutes)},
        {QStringLiteral("Place/Elevation"), QString::number(s.Elevation)},
        {QStringLiteral("Method/Calculation"),
         Key(CalcMethodAt(s.CalcMethod, "PlaceMemoryValues").Key)},
        {QStringLiteral("Method/Juristic"), Key(JuristicOf(s.Juristic).Key)},
        {QStringLiteral("Options/SafetyTime"), Bool(s.AddSafetyTime)},
        {QStringLiteral("Options/NearestMinute"), Bool(s.RoundMinutes)},
        {QStringLiteral("Options/TwelveHours"), Bool(s.TwelveHours)},
        {QStringLiteral("Options/RightToLeft"), Bool(s.RightToLeft)},
        {QStringLiteral("Options/SunsetBased"), Bool(s.SunsetBased)},
        {QStringLiteral("Options/LocalClock"), Bool(memory.LocalClock)},
        {QStringLiteral("Options/HighLatitude"),
         Key(HighLatitudeRules[static_cast<int>(s.HighLatRule)].Key)},
        {QStringLiteral("Options/AdjustMinutes"), adjust.join(u' ')},
        {QStringLiteral("Options/HijriAdjustDays"), QString::number(s.HijriAdjustDays)},
    };
    if (memory.City != nullptr) {
        values.insert(values.begin() + 1, {QStringLiteral("Place/City"),
                                           QString::fromUtf8(memory.City->Caption.data(),
                                                             memory.City->Caption.size())});
        values.insert(values.begin() + 2, {QStringLiteral("Place/Zone"),
                                           QString::fromUtf8(memory.City->IanaZone.data(),
                                                             memory.City->IanaZone.size())});
    }
    return values;
}

namespace {

// The gazetteer's town of that caption and zone, or nullptr; a caption names its town, region
// and country code, which narrow the search to it.
const TPlace* KeptTown(const std::string& caption, const std::string& zone) {
    for (const TPlace* town : TGazetteer::Installed().Search(caption)) {
        if (town->Caption == caption && town->Zone == zone) {
            return town;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<TPlaceMemory> ReadPlaceMemory(const QString& path) {
    const std::string name = path.toStdString();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return std::nullopt;
    }
    if (!info.isFile()) {
        throw EPlaceMemoryError(name + ": not a file");
    }
    if (info.size() > MaxPlaceMemoryBytes) {
        throw EPlaceMemoryError(name + ": " + std::to_string(info.size()) +
                                " bytes, too large for this program's settings");
    }
    {
        // QSettings reads an unreadable file as an empty one; this says why.
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            throw EPlaceMemoryError(name + ": " + file.errorString().toStdString());
        }
    }
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() == QSettings::FormatError) {
        throw EPlaceMemoryError(name + ": not a settings file of key=value lines");
    }
    if (settings.status() != QSettings::NoError) {
        throw EPlaceMemoryError(name + ": cannot be read");
    }
    const TReader read(path, settings);
    TPlaceMemory memory;
    TimetableSettings& s = memory.Settings;

    const QString caption = read.Text(QStringLiteral("Place/Caption"));
    if (caption.isEmpty() || caption.size() > MaxCaptionCharacters ||
        EscapeControls(caption.toStdString()) != caption.toStdString()) {
        read.Fail(QStringLiteral("Place/Caption"),
                  read.Quoted(caption) + " is not a place's name of 1 to " +
                      std::to_string(MaxCaptionCharacters) + " characters on one line");
    }
    memory.Caption = caption.toStdString();
    if (settings.contains(QStringLiteral("Place/City"))) {
        const QString city = read.Text(QStringLiteral("Place/City"));
        const QString zone = read.Text(QStringLiteral("Place/Zone"));
        memory.City = FindCityByCaption(city.toStdString());
        if (memory.City == nullptr) {
            memory.Town = KeptTown(city.toStdString(), zone.toStdString());
        }
        if (memory.City == nullptr && memory.Town == nullptr) {
            read.Fail(QStringLiteral("Place/City"), read.Quoted(city) +
                                                        " is no city of the list and no town of "
                                                        "the gazetteer on that zone");
        }
        if (memory.City != nullptr && zone.toStdString() != memory.City->IanaZone) {
            read.Fail(QStringLiteral("Place/Zone"), read.Quoted(zone) + " is not the zone of " +
                                                        std::string(memory.City->Caption));
        }
    } else if (settings.contains(QStringLiteral("Place/Zone"))) {
        read.Fail(QStringLiteral("Place/Zone"), "without Place/City");
    }
    s.Latitude = read.Decimal(QStringLiteral("Place/Latitude"), LatitudeRange);
    s.Longitude = read.Decimal(QStringLiteral("Place/Longitude"), LongitudeRange);
    s.GmtHours = read.Whole(QStringLiteral("Place/GmtHours"), ZoneHoursRange);
    s.GmtMinutes = read.Whole(QStringLiteral("Place/GmtMinutes"), ZoneMinutesRange);
    s.Elevation = read.Whole(QStringLiteral("Place/Elevation"), ElevationRange);
    if (!LatitudeRangeAt(s.Elevation).Contains(s.Latitude)) {
        read.Fail(QStringLiteral("Place/Latitude"), LatitudeLimitText(s.Elevation));
    }
    s.CalcMethod = read.Row(QStringLiteral("Method/Calculation"), CalcMethodTable);
    s.Juristic = read.Row(QStringLiteral("Method/Juristic"), JuristicMethods);
    s.AddSafetyTime = read.Flag(QStringLiteral("Options/SafetyTime"));
    s.RoundMinutes = read.Flag(QStringLiteral("Options/NearestMinute"));
    s.TwelveHours = read.Flag(QStringLiteral("Options/TwelveHours"));
    s.RightToLeft = read.Flag(QStringLiteral("Options/RightToLeft"));
    s.SunsetBased = read.Flag(QStringLiteral("Options/SunsetBased"));
    memory.LocalClock = read.Flag(QStringLiteral("Options/LocalClock"));
    s.HighLatRule =
        HighLatitudeRules[read.Row(QStringLiteral("Options/HighLatitude"), HighLatitudeRules)].Rule;
    const QString adjustKey = QStringLiteral("Options/AdjustMinutes");
    const QStringList adjust = read.Text(adjustKey).split(u' ');
    if (adjust.size() != static_cast<qsizetype>(s.AdjustMinutes.size())) {
        read.Fail(adjustKey, "does not hold six whole numbers");
    }
    for (size_t p = 0; p < s.AdjustMinutes.size(); ++p) {
        s.AdjustMinutes[p] =
            read.WholeOf(adjustKey, adjust[static_cast<qsizetype>(p)], AdjustMinutesRange);
    }
    s.HijriAdjustDays = read.Whole(QStringLiteral("Options/HijriAdjustDays"), HijriAdjustRange);
    return memory;
}

void WritePlaceMemory(const QString& path, const TPlaceMemory& memory) {
    const std::string name = path.toStdString();
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        throw EPlaceMemoryError(name + ": its folder cannot be made");
    }
    if (info.exists() && !info.isFile()) {
        throw EPlaceMemoryError(name + ": not a file");
    }
    // Into a new file that replaces the old one whole: QSettings would keep a damaged file
    // it cannot parse rather than write over it.
    TFileReplacement replacement(path);
    if (replacement.Error().isEmpty()) {
        QSettings settings(replacement.Path(), QSettings::IniFormat);
        settings.setAtomicSyncRequired(false);  // into the replacement's own file
        for (const auto& [key, value] : PlaceMemoryValues(memory)) {
            settings.setValue(key, value);
        }
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            replacement.FailCutShort();
        }
    }
    if (!replacement.Commit()) {
        throw EPlaceMemoryError(name + ": cannot be written: " + replacement.Error().toStdString());
    }
}

void RemovePlaceMemory(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return;
    }
    QFile file(path);
    if (!info.isFile() || !file.remove()) {
        throw EPlaceMemoryError(path.toStdString() + ": cannot be removed" +
                                (info.isFile() ? ": " + file.errorString().toStdString() : ""));
    }
}

}  // namespace orvandel
