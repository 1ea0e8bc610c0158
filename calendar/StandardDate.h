#pragma once
// TStandardDate: a date with Year, Month and Day, converted through the platform calendar
// (proleptic Gregorian, years 1 to 9999) unless a calendar class replaces the conversions.

#include <cstdint>
#include <string_view>

#include "calendar/Date.h"
#include "platform/DateTime.h"

namespace orvandel {

class TStandardDate : public TDate {
  public:
    static const TDateClass Class;
    const TDateClass& ClassType() const override { return Class; }

    int32_t Year = 0;
    int32_t Month = 0;
    int32_t Day = 0;

    // True only for another TStandardDate (or descendant) with equal Year, Month and Day.
    bool FieldsEqual(const TProtoDate* Other) const override;
    // Platform calendar: EConvertError for Fixed <= 0.
    void SetFixed(int32_t Fixed) override;
    // Year, Month, Day from Values[0..2] in order; ERangeError at a missing element after the
    // earlier ones were stored.
    void SetFields(std::span<const int32_t> Values) override;
    int32_t GetFixed() const override;
    // The locale's short date text of AsDateTime.
    std::string ToString() const override;
    std::string ToLongString() const override;

    // Slot 9: ERangeError unless Day, Month and Year lie in 0..65535; EConvertError for a
    // triple that is not a Gregorian date of years 1 to 9999.
    virtual TDateTime AsDateTime() const;
    // Not virtual: checks the current fields lie in 0..65535, then decodes Value into them.
    void SetDateTime(TDateTime Value);
};

// Value as an unsigned 16-bit field (month or day handed to a conversion); ERangeError
// "<Operation>: <Field> <Value> outside 0..65535" otherwise.
uint16_t FieldToWord(int32_t Value, std::string_view Operation, std::string_view Field);
// A fixed date summed in 64 bits from Year/Month/Day; EIntOverflow "<Operation>: Y-M-D leaves
// the 32-bit day range" when it does not fit 32 bits.
int32_t FixedFromSum(int64_t Sum, std::string_view Operation, int32_t Year, uint16_t Month,
                     uint16_t Day);

// The year the platform's date decoder gives for Value.
uint16_t YearOfDateTime(TDateTime Value);
// The platform year of a fixed date (through its time stamp); EConvertError for Fixed <= 0.
uint16_t YearFromFixed(int32_t Fixed);

}  // namespace orvandel
