#include "calendar/StandardDate.h"

#include <string>

#include "platform/Errors.h"

namespace orvandel {

const TDateClass TStandardDate::Class = {"TStandardDate", &TDate::Class,
                                         &TProtoDate::VisibleCrescent, nullptr};

uint16_t FieldToWord(int32_t Value, std::string_view Operation, std::string_view Field) {
    if (Value < 0 || Value > 65535)
        throw ERangeError(std::string(Operation) + ": " + std::string(Field) + " " +
                          std::to_string(Value) + " outside 0..65535");
    return static_cast<uint16_t>(Value);
}

int32_t FixedFromSum(int64_t Sum, std::string_view Operation, int32_t Year, uint16_t Month,
                     uint16_t Day) {
    if (Sum < INT32_MIN || Sum > INT32_MAX)
        throw EIntOverflow(std::string(Operation) + ": " + std::to_string(Year) + "-" +
                           std::to_string(Month) + "-" + std::to_string(Day) +
                           " leaves the 32-bit day range");
    return static_cast<int32_t>(Sum);
}

uint16_t YearOfDateTime(TDateTime Value) {
    return static_cast<uint16_t>(DecodeDate(Value).Year);  // [1, 9999]
}

uint16_t YearFromFixed(int32_t Fixed) {
    return YearOfDateTime(TimeStampToDateTime({0, Fixed}));
}

bool TStandardDate::FieldsEqual(const TProtoDate* Other) const {
    const auto* other = dynamic_cast<const TStandardDate*>(Other);
    return other != nullptr && other->Year == Year && other->Month == Month && other->Day == Day;
}

void TStandardDate::SetFixed(int32_t Fixed) {
    SetDateTime(TimeStampToDateTime({0, Fixed}));
}

void TStandardDate::SetFields(std::span<const int32_t> Values) {
    int32_t* const fields[] = {&Year, &Month, &Day};
    for (size_t i = 0; i < std::size(fields); ++i) {
        if (i >= Values.size())
            throw ERangeError("SetFields: element " + std::to_string(i) + " missing, only " +
                              std::to_string(Values.size()) + " given");
        *fields[i] = Values[i];
    }
}

int32_t TStandardDate::GetFixed() const {
    return DateTimeToTimeStamp(AsDateTime()).Date;
}

std::string TStandardDate::ToString() const {
    return ShortDateText(AsDateTime());
}

std::string TStandardDate::ToLongString() const {
    return ToString();
}

TDateTime TStandardDate::AsDateTime() const {
    const uint16_t day = FieldToWord(Day, "AsDateTime", "day");
    const uint16_t month = FieldToWord(Month, "AsDateTime", "month");
    const uint16_t year = FieldToWord(Year, "AsDateTime", "year");
    return EncodeDate(year, month, day);
}

void TStandardDate::SetDateTime(TDateTime Value) {
    FieldToWord(Year, "SetDateTime", "year");
    FieldToWord(Month, "SetDateTime", "month");
    FieldToWord(Day, "SetDateTime", "day");
    const TCivilDate date = DecodeDate(Value);
    Year = date.Year;
    Month = date.Month;
    Day = date.Day;
}

}  // namespace orvandel
