#include "record_conversion.h"

#include "records.h"
#include "test_support.h"

#include <optional>

using namespace zrl;
using zrltest::ExpectError;
using zrltest::Fill;
using zrltest::LinesOf;
using Lines = std::vector<std::string>;
using zrltest::kDeclaration;
using zrltest::World;

namespace {

Lines Header(const std::string& hqCount)
{
    return {"1970-01-01-02-00-00; Alfa; " + hqCount + "; D; E; G;", "1970-01-01-02-00-00; create_world; Mapa;", ""};
}

const Lines kHeader = Header("0");

Lines Record(const Lines& body, const std::string& hqCount = "0")
{
    Lines lines = {kDeclaration, "<record>", World(hqCount), "<events>"};
    lines.insert(lines.end(), body.begin(), body.end());
    lines.push_back("</events>");
    lines.push_back("</record>");
    return lines;
}

Lines WithHeader(const Lines& converted, const std::string& hqCount = "0")
{
    Lines lines = Header(hqCount);
    lines.insert(lines.end(), converted.begin(), converted.end());
    return lines;
}

std::string Chq(const std::string& name, const std::string& time = "0")
{
    return "<chq><t>" + time + "</t><n>" + name + "</n><p>P" + name + "</p><q>Q" + name + "</q></chq>";
}

std::string CreateHq(const std::string& name)
{
    return "1970-01-01-02-00-00; create_hq; " + name + "; Q" + name + "; P" + name + ";";
}

// One run on the lines given, with what it left behind.
struct Attempt {
    explicit Attempt(const Lines& lines) { Fill(input, lines); }

    bool Convert() { return conversion.ConvertRecord(); }

    // Runs the conversion, which must raise E with message and stop at line.
    template <class E>
    void ExpectStop(std::string_view message, std::optional<std::int32_t> line)
    {
        ExpectError<E>([&] { Convert(); }, message);
        EXPECT_EQ(conversion.StoppedAt(), line);
    }

    LineList input;
    LineList output;
    LineList pairs;
    RecordConversion conversion{input, output, pairs};
};

} // namespace

TEST(ConvertRecord, WorldLineGivesTheHeader)
{
    Attempt run(Record({}));
    EXPECT_TRUE(run.Convert());
    EXPECT_EQ(LinesOf(run.output), kHeader);
    EXPECT_EQ(run.conversion.hqCount(), 0);
    EXPECT_EQ(run.conversion.StoppedAt(), std::nullopt);
    EXPECT_EQ(run.pairs.Count(), 0);
}

TEST(ConvertRecord, PrologueChecksGiveFalseAndTheLine)
{
    struct Case {
        const char* what;
        std::int32_t line;
        std::string replacement;
        bool headerWritten;
    } cases[] = {
        {"single quotes", 0, "<?xml version='1.0' encoding='windows-1250'?>", false},
        {"another encoding", 0, R"(<?xml version="1.0" encoding="utf-8"?>)", false},
        {"trailing space", 1, "<record> ", false},
        {"tab before", 1, "\t<record>", false},
        {"another name", 2, "<worlds><a>0</a></worlds>", false},
        {"an attribute", 2, "<world id='1'><a>0</a></world>", false},
        {"empty-element tag", 3, "<events/>", true},
        {"blank declaration", 0, "", false},
        {"blank record line", 1, "", false},
        {"blank world line", 2, "   ", false},
        {"blank events line", 3, "", true},
    };
    for (const Case& c : cases) {
        Lines lines = Record({});
        lines[static_cast<std::size_t>(c.line)] = c.replacement;
        Attempt run(lines);
        EXPECT_FALSE(run.Convert()) << c.what;
        EXPECT_EQ(run.conversion.StoppedAt(), c.line) << c.what;
        EXPECT_EQ(LinesOf(run.output), c.headerWritten ? kHeader : Lines{}) << c.what;
    }
}

TEST(ConvertRecord, LeadingSpacesAreCleanedAndShownCleaned)
{
    Lines lines = Record({"  <note>x</note>", "\t<note>tab</note>"});
    lines[1] = "  <record>";
    lines.push_back("      ");
    Attempt run(lines);
    EXPECT_TRUE(run.Convert());
    EXPECT_EQ(run.input.Line(1), "<record>");
    EXPECT_EQ(run.input.Line(4), "<note>x</note>");
    EXPECT_EQ(run.input.Line(5), "\t<note>tab</note>"); // only spaces go
    EXPECT_EQ(run.input.Line(8), "");

    Lines failing = {" bad", "  <record>"};
    Attempt failed(failing);
    EXPECT_FALSE(failed.Convert());
    EXPECT_EQ(LinesOf(failed.input), (Lines{"bad", "<record>"}));
}

TEST(ConvertRecord, BlankLinesArePassedOver)
{
    Lines lines = Record({"", Chq("A"), "  ", "<rhq><t>0</t></rhq>", "", Chq("B"), "", "<mov><t>0</t><a>1</a><b>2</b><c>3</c></mov>", ""}, "2");
    lines.insert(lines.begin() + 4, "");
    lines.push_back("");
    Attempt run(lines);
    EXPECT_TRUE(run.Convert());
    EXPECT_EQ(LinesOf(run.output), WithHeader({CreateHq("A"), CreateHq("B"), "1970-01-01-02-00-00; move; 1; 2; 3;"}, "2"));
    EXPECT_EQ(LinesOf(run.pairs), (Lines{"B=PB", "A=PA"}));
}

TEST(ConvertRecord, RecordsTooShortRaiseListIndexError)
{
    struct Case {
        Lines lines;
        std::string message;
    } cases[] = {
        {{}, "List index out of bounds (0)"},
        {{kDeclaration}, "List index out of bounds (1)"},
        {{kDeclaration, "<record>", World()}, "List index out of bounds (3)"},
        {{kDeclaration, "<record>", World(), "<events>"}, "List index out of bounds (4)"},
        {{kDeclaration, "<record>", World(), "<events>", Chq("A")}, "List index out of bounds (5)"},
        {{kDeclaration, "<record>", World(), "<events>", "<note>x</note>"}, "List index out of bounds (5)"},
    };
    for (const Case& c : cases) {
        Attempt run(c.lines);
        run.ExpectStop<EStringListError>(c.message, std::nullopt);
    }
}

TEST(ConvertRecord, WorldLineErrors)
{
    {
        Lines lines = Record({});
        lines[2] = "<world><a>0</a><b>Alfa</b><c>0</c><d>D</d><e>E</e><f>0</f><g>G</g></world>";
        Attempt run(lines);
        run.ExpectStop<ERangeError>("Range check error", 2);
        EXPECT_EQ(run.output.Count(), 0);
    }
    {
        Lines lines = Record({});
        lines[2] = World("0", "soon");
        Attempt run(lines);
        run.ExpectStop<EConvertError>("'soon' is not a valid integer value", 2);
        EXPECT_EQ(run.output.Count(), 0) << "the time field is read before anything is written";
    }
    {
        Attempt run(Record({}, "many"));
        run.ExpectStop<EConvertError>("'many' is not a valid integer value", 2);
        EXPECT_EQ(LinesOf(run.output), (Lines{"1970-01-01-02-00-00; Alfa; many; D; E; G;", kHeader[1], ""}));
    }
}

TEST(ConvertHeadquarters, LastChqLinesOfTheBlockInInputOrder)
{
    Attempt run(Record({Chq("A"), "<rhq><t>0</t><n>R</n></rhq>", Chq("B"), Chq("C"), "<buy><t>0</t><a>1</a><b>2</b><c>3</c></buy>"}, "2"));
    EXPECT_TRUE(run.Convert());
    EXPECT_EQ(LinesOf(run.output), WithHeader({CreateHq("B"), CreateHq("C"), "1970-01-01-02-00-00; buy; 1; 2; 3;"}, "2"));
    EXPECT_EQ(LinesOf(run.pairs), (Lines{"C=PC", "B=PB"})); // in the order the backward scan finds them
    EXPECT_EQ(run.conversion.cursor(), 9) << "the </events> line";
}

TEST(ConvertHeadquarters, ChqLineFieldsAndCursor)
{
    Attempt run(Record({"<chq><t>0</t><n>Praha</n><p>12</p><q>3</q></chq>"}, "1"));
    run.conversion.ConvertRecord();
    EXPECT_EQ(run.output.Line(3), "1970-01-01-02-00-00; create_hq; Praha; 3; 12;");
    EXPECT_EQ(LinesOf(run.pairs), (Lines{"Praha=12"}));

    Lines lines = Record({Chq("A"), "<buy>", "tail"}, "1");
    Attempt conversion(lines);
    conversion.conversion.ConvertWorld(lines[2]);
    conversion.conversion.ConvertHeadquarters();
    EXPECT_EQ(conversion.conversion.cursor(), 5) << "the first line that is neither chq nor rhq";
}

TEST(ConvertHeadquarters, CountAtMostZeroConvertsNothing)
{
    for (const char* count : {"0", "-1", "-2147483648"}) {
        Attempt run(Record({Chq("A")}, count));
        EXPECT_TRUE(run.Convert()) << count;
        EXPECT_EQ(run.output.Count(), 3) << count;
    }
}

TEST(ConvertHeadquarters, Errors)
{
    {
        // Fewer chq lines than the count: the scan runs off the start of the list.
        Attempt run(Record({Chq("A"), Chq("B")}, "3"));
        run.ExpectStop<EStringListError>("List index out of bounds (-1)", std::nullopt);
        EXPECT_EQ(LinesOf(run.output), WithHeader({CreateHq("A"), CreateHq("B")}, "3")) << "lines converted so far stay";
        EXPECT_EQ(LinesOf(run.pairs), (Lines{"B=PB", "A=PA"}));
    }
    {
        Attempt run(Record({}, "1"));
        run.ExpectStop<EStringListError>("List index out of bounds (-1)", std::nullopt);
    }
    {
        Attempt run(Record({Chq("A"), "<chq><t>0</t><n>B</n><p>1</p></chq>", Chq("C")}, "3"));
        run.ExpectStop<ERangeError>("Range check error", 5);
        EXPECT_EQ(LinesOf(run.output), WithHeader({CreateHq("C")}, "3"));
    }
    {
        Attempt run(Record({Chq("A", "0x"), Chq("B")}, "2"));
        run.ExpectStop<EConvertError>("'0x' is not a valid integer value", 4);
        EXPECT_EQ(LinesOf(run.output), WithHeader({CreateHq("B")}, "2"));
        EXPECT_EQ(LinesOf(run.pairs), (Lines{"B=PB"}));
    }
}

TEST(ConvertHeadquarters, ManyLinesKeepTheirOrder)
{
    Lines body;
    Lines expected;
    for (int i = 0; i < 20000; ++i) {
        body.push_back(Chq(std::to_string(i)));
        expected.push_back(CreateHq(std::to_string(i)));
    }
    Attempt run(Record(body, "20000"));
    EXPECT_TRUE(run.Convert());
    EXPECT_EQ(LinesOf(run.output), WithHeader(expected, "20000"));
    EXPECT_EQ(run.pairs.Line(0), "19999=P19999");
}

TEST(ConvertEvents, EachKindGivesItsLine)
{
    struct Case {
        std::string event, converted;
    } cases[] = {
        {"<buy><t>1112735948</t><a>X</a><b>Y</b><c>Z</c></buy>", "2005-05-04-23-19-08; buy; X; Y; Z;"},
        {"<att><t>0</t><a>1</a><b>2</b><c>3</c><d>4</d><e>5</e><f>6</f><g>7</g><h>8</h></att>",
         "1970-01-01-02-00-00; attack; 1; 2; 3; 7; 8;"},
        {"<cfd><t>0</t><a>P</a><b>Q</b></cfd>", "1970-01-01-02-00-00; convert_gnd; P; Q;"},
        {"<mov><t>0</t><a>1</a><b>2</b><c>3</c></mov>", "1970-01-01-02-00-00; move; 1; 2; 3;"},
        {"<ret><t>0</t><a>P</a><b>Q</b></ret>", "1970-01-01-02-00-00; retreat; P; Q;"},
        {"<trn><t>0</t><a>1</a><b>2</b><c>3</c></trn>", "1970-01-01-02-00-00; trade; 1; 2; 3;"},
        {"<trb><t>0</t><a>1</a><b>2</b><c>3</c></trb>", "1970-01-01-02-00-00; trade; 1; 2; 3;"},
        // Values are written as they stand, children past the count are not read.
        {"<buy><t> -7200</t><a>a;b</a><b> Y </b><c></c><d>extra</d></buy>", "1970-01-01-00-00-00; buy; a;b;  Y ; ;"},
        {"<cfd><t>$10</t><x>Plze\xF2</x><y>\xE8</y></cfd>", "1970-01-01-02-00-16; convert_gnd; Plze\xF2; \xE8;"},
    };
    for (const Case& c : cases) {
        Attempt run(Record({c.event}));
        EXPECT_TRUE(run.Convert()) << c.event;
        EXPECT_EQ(LinesOf(run.output), WithHeader({c.converted})) << c.event;
    }
}

TEST(ConvertEvents, OtherLinesArePassedOverAndEventsEndsThePhase)
{
    Lines lines = Record({"<foo><t>0</t></foo>", "plain text", Chq("late"), "<BUY><t>0</t></BUY>", "<buy x='1'>", "</note>"});
    lines.push_back("anything after the events");
    Attempt run(lines);
    EXPECT_TRUE(run.Convert());
    EXPECT_EQ(LinesOf(run.output), kHeader);

    Attempt empty(Record({}));
    EXPECT_TRUE(empty.Convert());
    EXPECT_EQ(empty.conversion.cursor(), 4);
}

TEST(ConvertEvents, ErrorsStopAtTheEventLine)
{
    struct Case {
        Lines body;
        std::string message;
        std::int32_t line;
        std::size_t converted; // event lines written before the error
    } cases[] = {
        {{"<ret><t>0</t><a>P</a></ret>"}, "Range check error", 4, 0},
        {{"<buy><t>0</t><a>1</a><b>2</b><c>3</c></buy>", "<att><t>0</t><a>1</a></att>"}, "Range check error", 5, 1},
        {{"<mov><t>12:00</t><a>1</a><b>2</b><c>3</c></mov>"}, "'12:00' is not a valid integer value", 4, 0},
        {{"<trn><t>2147483648</t><a>1</a><b>2</b><c>3</c></trn>"}, "'2147483648' is not a valid integer value", 4, 0},
        // An element over several lines: the whole first line becomes every field.
        {{"<note>x</note>", "<buy><t>0</t>", "<a>1</a></buy>"}, "'<buy><t>0</t>' is not a valid integer value", 5, 0},
    };
    for (const Case& c : cases) {
        Attempt run(Record(c.body));
        if (c.message == "Range check error")
            run.ExpectStop<ERangeError>(c.message, c.line);
        else
            run.ExpectStop<EConvertError>(c.message, c.line);
        EXPECT_EQ(run.output.Count(), static_cast<std::int32_t>(kHeader.size() + c.converted)) << c.message;
    }

    Lines unended = Record({"<buy><t>0</t><a>1</a><b>2</b><c>3</c></buy>"});
    unended.resize(unended.size() - 2);
    Attempt run(unended);
    run.ExpectStop<EStringListError>("List index out of bounds (5)", std::nullopt);
    EXPECT_EQ(run.output.Count(), 4) << "lines converted before stay";
}

TEST(ConvertRecord, ASecondRunStartsAfresh)
{
    Attempt run(Record({}, "bad"));
    ExpectError<EConvertError>([&] { run.Convert(); }, "'bad' is not a valid integer value");
    Fill(run.input, Record({}));
    run.output.Clear();
    EXPECT_TRUE(run.Convert());
    EXPECT_EQ(run.conversion.StoppedAt(), std::nullopt);
}
