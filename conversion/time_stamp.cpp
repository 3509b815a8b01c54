#include "time_stamp.h"

namespace zrl {

namespace {

// The only offset between a record's time field and its ZRL 1 time stamp.
constexpr std::int64_t kOffsetSeconds = 7200;
constexpr std::int64_t kSecondsPerDay = 86400;

struct CivilDate {
    std::int64_t year;
    int month;
    int day;
};

// Gregorian date of a day counted from 1970-01-01, by whole 400-year eras
// beginning on 1 March, so that the leap day ends an era's year.
CivilDate CivilFromDays(std::int64_t days)
{
    days += 719468; // from 0000-03-01 to 1970-01-01
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153; // 0 is March
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

char* WriteDigits(char* out, std::int64_t value, int digits)
{
    for (int k = digits - 1; k >= 0; --k) {
        out[k] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return out + digits;
}

} // namespace

TimeStamp TimeStampText(std::int32_t seconds)
{
    const std::int64_t total = static_cast<std::int64_t>(seconds) + kOffsetSeconds;
    std::int64_t days = total / kSecondsPerDay;
    std::int64_t secondOfDay = total % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --days;
    }
    const CivilDate date = CivilFromDays(days);

    TimeStamp stamp;
    char* p = WriteDigits(stamp.text, date.year, 4);
    *p++ = '-';
    p = WriteDigits(p, date.day, 2);
    *p++ = '-';
    p = WriteDigits(p, date.month, 2);
    *p++ = '-';
    p = WriteDigits(p, secondOfDay / 3600, 2);
    *p++ = '-';
    p = WriteDigits(p, secondOfDay / 60 % 60, 2);
    *p++ = '-';
    WriteDigits(p, secondOfDay % 60, 2);
    return stamp;
}

} // namespace zrl
