#include "time_stamp.h"

#include <gtest/gtest.h>

using namespace zrl;

TEST(TimeStampText, CalendarTimeTwoHoursAfterTheField)
{
    struct Case {
        std::int32_t seconds;
        std::string_view expected; // year-day-month-hour-minute-second
    } cases[] = {
        {0, "1970-01-01-02-00-00"},
        {-7200, "1970-01-01-00-00-00"},
        {-7201, "1969-31-12-23-59-59"},
        {1000000000, "2001-09-09-03-46-40"},
        {1112735948, "2005-05-04-23-19-08"}, // the fifth of April
        {2147483647, "2038-19-01-05-14-07"},
        {-2147483647 - 1, "1901-13-12-22-45-52"},
        {951782400 - 7200, "2000-29-02-00-00-00"}, // 2000 is a leap year
        {-2077747200 - 7200, "1904-29-02-00-00-00"},
        {68169600 - 7200, "1972-29-02-00-00-00"},
        {-1 - 7200, "1969-31-12-23-59-59"},
        {86400 * 365 - 7200, "1971-01-01-00-00-00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::string_view(TimeStampText(c.seconds)), c.expected) << c.seconds;
}
