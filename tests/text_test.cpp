#include "text.h"

#include "test_support.h"

using namespace zrl;

TEST(SubText, ClampsStartAndCount)
{
    struct Case {
        std::string_view s;
        Position start, count;
        std::string_view expected;
    } cases[] = {
        {"abc", 2, 0, ""},
        {"abc", 4, 1, ""},   // start past the end
        {"abc", 3, 5, "c"},  // count shortened to what is left
        {"abc", 0, 2, "ab"}, // start raised to 1, count kept
        {"abcdef", -3, 2, "ab"},
        {"abc", 1, -1, ""},
        {"abc", 3, 1, "c"},
        {"", 1, 1, ""},
        {"", 0, 1, ""},
        {"abc", 1, 3, "abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SubText(c.s, c.start, c.count), c.expected) << c.s << " " << c.start << " " << c.count;
}

TEST(FindText, FirstOccurrenceFromOne)
{
    struct Case {
        std::string_view needle, s;
        Position expected;
    } cases[] = {
        {">", "<a>1</a>", 3},
        {"</b>", "<a>1</a>", 0},
        {"", "abc", 0},
        {"a", "", 0},
        {"</a>", "<a>1</a></a>", 5},
        {"abcd", "abc", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindText(c.needle, c.s), c.expected) << c.needle << " in " << c.s;
}

TEST(CharAt, RaisesRangeErrorOutsideText)
{
    EXPECT_EQ(CharAt("ab", 1), 'a');
    EXPECT_EQ(CharAt("ab", 2), 'b');
    for (const auto& [s, i] : {std::pair<std::string_view, Position>{"", 1}, {"a", 2}, {"a", 0}, {"a", -1}})
        zrltest::ExpectError<ERangeError>([&text = s, position = i] { CharAt(text, position); }, "Range check error");
}

TEST(ParseInt, AcceptedForms)
{
    struct Case {
        std::string_view text;
        std::int32_t expected;
    } cases[] = {
        {"42", 42},
        {" 42", 42},
        {"   -7", -7},
        {"+5", 5},
        {"007", 7},
        {"-0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"0x1A", 26},
        {"0X1a", 26},
        {"$ff", 255},
        {"x10", 16},
        {"X10", 16},
        {"$FFFFFFFF", -1}, // the 32-bit pattern taken as signed
        {"$80000000", -2147483647 - 1},
        {"$000000001", 1}, // leading zeros do not count against the 32 bits
        {" $7FFFFFFF", 2147483647},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseInt(c.text), c.expected) << c.text;
}

TEST(ParseInt, RejectedFormsQuoteTheText)
{
    const std::string_view rejected[] = {
        "42 ", "", " ", "4.2", "2147483648", "-2147483649", "-$1", "+0x1", "$", "0x", "x", "-", "+",
        "$100000000", "0x1G", "1e3", "\t1", "abc", "12a", "--1",
    };
    for (std::string_view text : rejected)
        zrltest::ExpectError<EConvertError>([&] { ParseInt(text); },
                                            "'" + std::string(text) + "' is not a valid integer value");
}
