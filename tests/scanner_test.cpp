#include "scanner.h"

#include "test_support.h"

using namespace zrl;
using zrltest::ExpectError;

TEST(Scanner, NameValueAndRestOfTheFirstElement)
{
    struct Case {
        std::string_view s, name, value, rest;
    } cases[] = {
        {"<world><a>1</a></world>", "world", "<a>1</a>", ""},
        {"</events>", "/events", "</events>", "</events>"},
        {"<events>", "events", "<events>", "<events>"},
        {"<buy><t>5</t><p>A</p></buy>", "buy", "<t>5</t><p>A</p>", ""},
        {"<t>5</t><p>A</p>", "t", "5", "<p>A</p>"},
        {"<p>A</p>", "p", "A", ""},
        {"\t<a>1</a>", "a", "1", ""},      // characters before the first "<" are passed over
        {"<a><a>1</a></a>", "a", "<a>1", "</a>"}, // the first closing tag ends the element
        {"<a></a>", "a", "", ""},
        {"<a>x</a> tail", "a", "x", " tail"},
        {"<a>1</a><b>2</b>", "a", "1", "<b>2</b>"},
        {"<a>1 > 0</a>", "a", "1 > 0", ""},
        {"<><x></>", "", "<x>", ""},      // an empty name, closed by "</>"
        {"<a>1</a", "a", "<a>1</a", "<a>1</a"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ElementName(c.s), c.name) << c.s;
        EXPECT_EQ(ElementValue(c.s), c.value) << c.s;
        EXPECT_EQ(ElementRest(c.s), c.rest) << c.s;
    }
}

TEST(Scanner, GivesTheTextBackWhenNoElementIsFound)
{
    struct Case {
        std::string_view s, name; // value and rest are s itself
    } cases[] = {
        {"abc", "abc"},
        {"abc<", "abc<"},  // the only "<" is the last character
        {"<", "<"},
        {"<abc", "<abc"},  // no ">"
        {"<a x='1'>v</a>", "a x='1'"}, // an attribute becomes part of the name
        {"x>y<a>1</a>", ""}, // the ">" before the first "<" makes the name empty; "</>" is absent
        {"<a>1</b>", "a"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ElementName(c.s), c.name) << c.s;
        EXPECT_EQ(ElementValue(c.s), c.s) << c.s;
        EXPECT_EQ(ElementRest(c.s), c.s) << c.s;
    }
}

TEST(Scanner, EmptyTextRaisesRangeError)
{
    ExpectError<ERangeError>([] { ElementName(""); }, "Range check error");
    ExpectError<ERangeError>([] { ElementValue(""); }, "Range check error");
    ExpectError<ERangeError>([] { ElementRest(""); }, "Range check error");
}

TEST(ReadFields, TakesChildrenByPosition)
{
    std::string_view fields[3];
    ReadFields("<cfd><t>0</t><a>P</a><b>Q</b><c>extra</c></cfd>", fields);
    EXPECT_EQ(fields[0], "0");
    EXPECT_EQ(fields[1], "P");
    EXPECT_EQ(fields[2], "Q");

    // Text between children is passed over.
    ReadFields("<x> <t>1</t> , <u>2</u>\t<v>3</v></x>", fields);
    EXPECT_EQ(fields[2], "3");

    // An element over several lines: every field is the line itself.
    const std::string_view open = "<buy><t>1</t>";
    ReadFields(open, fields);
    for (std::string_view field : fields)
        EXPECT_EQ(field, open);
}

TEST(ReadFields, TooFewChildrenRaiseRangeError)
{
    std::string_view fields[3];
    ExpectError<ERangeError>([&] { ReadFields("<ret><t>0</t><a>P</a></ret>", fields); }, "Range check error");
    ExpectError<ERangeError>([&] { ReadFields("<ret></ret>", fields); }, "Range check error");
}
