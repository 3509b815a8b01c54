#pragma once
// The time stamp that begins every ZRL 1 line.

#include <cstdint>
#include <string_view>

namespace zrl {

// A time stamp text, held by value so that no line needs an allocation for it.
struct TimeStamp {
    char text[19];
    operator std::string_view() const { return {text, sizeof text}; }
};

// "yyyy-dd-mm-hh-mm-ss" (the day before the month) for the calendar time
// seconds + 7200 seconds after 1970-01-01 00:00:00: Gregorian calendar, days
// of 86400 seconds, no time zone.
TimeStamp TimeStampText(std::int32_t seconds);

} // namespace zrl
