#include "line_list.h"

#include "test_support.h"

using namespace zrl;
using zrltest::ExpectError;
using zrltest::Fill;
using zrltest::LinesOf;

TEST(LineList, IndexOutsideTheListRaisesListIndexError)
{
    LineList list;
    ExpectError<EStringListError>([&] { list.Line(0); }, "List index out of bounds (0)");
    Fill(list, {"a", "b"});
    ExpectError<EStringListError>([&] { list.Line(-1); }, "List index out of bounds (-1)");
    ExpectError<EStringListError>([&] { list.Line(2); }, "List index out of bounds (2)");
    ExpectError<EStringListError>([&] { list.SetLine(2, "x"); }, "List index out of bounds (2)");
    ExpectError<EStringListError>([&] { list.InsertLine(3, "x"); }, "List index out of bounds (3)");
    ExpectError<EStringListError>([&] { list.InsertLine(-1, "x"); }, "List index out of bounds (-1)");
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"a", "b"}));
}

TEST(LineList, EditsKeepTheOtherLinesInPlace)
{
    LineList list;
    Fill(list, {"a", "b", "c"});
    list.SetLine(1, "B");
    list.InsertLine(0, "first");
    list.InsertLine(4, "last"); // Count() adds at the end
    list.InsertLine(2, "");
    list.CutLineStart(1, 0);
    list.CutLineStart(4, 1);
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"first", "a", "", "B", "", "last"}));

    const std::string_view more[] = {"x", "y"};
    list.InsertLines(1, more);
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"first", "x", "y", "a", "", "B", "", "last"}));
}

TEST(LineList, LinesStayValidWhileTheListGrows)
{
    LineList list;
    list.Append("kept");
    const std::string_view first = list.Line(0);
    for (int i = 0; i < 100000; ++i)
        list.Append("some longer line number " + std::to_string(i));
    list.SetLine(1, list.Line(0)); // a line set from the list itself
    EXPECT_EQ(first, "kept");
    EXPECT_EQ(list.Line(1), "kept");
    EXPECT_EQ(list.Line(100000), "some longer line number 99999");
}

TEST(LineList, ViewerIsToldOnceWhenTheOutermostBatchCloses)
{
    LineList list;
    int told = 0;
    list.SetChangeListener([&] { ++told; });
    list.Append("a");
    EXPECT_EQ(told, 1) << "told at once outside a batch";

    list.BeginChanges();
    list.BeginChanges();
    list.Append("b");
    list.SetLine(0, "A");
    list.EndChanges();
    EXPECT_EQ(told, 1) << "not told while a batch is open";
    list.EndChanges();
    EXPECT_EQ(told, 2);

    list.BeginChanges();
    list.EndChanges();
    EXPECT_EQ(told, 2) << "a batch without changes tells nothing";

    list.SetText("x\ny");
    EXPECT_EQ(told, 3) << "reading is one batch";
}

TEST(LineList, SplitsTextAtCrLfCrLfAndNul)
{
    struct Case {
        std::string_view bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\n\nc\r", {"a", "b", "", "c"}},
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},             // a break at the very end gives no empty last line
        {"a\n\r", {"a", ""}},       // LF CR: a line, then an empty one
        {"a\r\rb", {"a", "", "b"}}, // lone CRs
        {"\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {std::string_view("a\0b", 3), {"a"}}, // NUL ends the contents
        {std::string_view("\0a", 2), {}},
        {std::string_view("a\r\0b", 4), {"a"}},
        {"  x\ty \r\n", {"  x\ty "}},
    };
    for (const Case& c : cases) {
        LineList list;
        list.Append("old");
        list.SetText(c.bytes);
        EXPECT_EQ(LinesOf(list), c.lines) << testing::PrintToString(std::string(c.bytes));
    }
}
