// zrlconv-cli end to end: exit status, output bytes and the standard error line.

#include "cli_runner.h"
#include "records.h"

using zrltest::Contents;
using Result = zrltest::CliResult;
using Cli = zrltest::CliFolder;

using zrltest::kDeclaration;
using zrltest::RecordText;

TEST_F(Cli, ConvertsTheExampleRecord)
{
    const std::string example = ZRLCONV_EXAMPLES;
    const std::string expected = Contents(example + "/season.zrl1");
    const std::string pairs = Contents(example + "/season.pairs");

    Result result = Run({"--pairs", "season.pairs", example + "/season.zrl2", "season.zrl1"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(Contents(Path("season.zrl1")), expected);
    EXPECT_EQ(Contents(Path("season.pairs")), pairs);

    result = Run({example + "/season.zrl2"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, expected) << "standard output when OUTPUT is missing";

    result = Run({"--pairs=p", "-", "-"}, example + "/season.zrl2");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, expected) << "standard input and output";
    EXPECT_EQ(Contents(Path("p")), pairs);
}

TEST_F(Cli, FailuresReportWhereTheRecordIsBrokenAndWriteNothing)
{
    struct Case {
        std::string input;
        int status;
        std::string err;
    } cases[] = {
        {"<?xml version='1.0'?>\r\n", 1, "zrlconv-cli: in.zrl2:1: Chyba konverze\n"},
        {RecordText("0", "").replace(kDeclaration.size() + 2, 8, "<rekord>"), 1, "zrlconv-cli: in.zrl2:2: Chyba konverze\n"},
        {RecordText("0", "  <ret><t>0</t><a>P</a></ret>\r\n"), 2, "zrlconv-cli: in.zrl2:5: Range check error.\n"},
        {RecordText("0", "\r\n<buy><t>\x9A</t><a>1</a><b>2</b><c>3</c></buy>\r\n"), 2,
         "zrlconv-cli: in.zrl2:6: '\xC5\xA1' is not a valid integer value.\n"},
        {RecordText("1", ""), 2, "zrlconv-cli: in.zrl2: List index out of bounds (-1)\n"},
        {kDeclaration + "\n<record>\n", 2, "zrlconv-cli: in.zrl2: List index out of bounds (2)\n"},
        {"", 2, "zrlconv-cli: in.zrl2: List index out of bounds (0)\n"},
    };
    for (const Case& c : cases) {
        Put("in.zrl2", c.input);
        Put("kept", "old");
        const Result result = Run({"--pairs", "pairs", "in.zrl2", "out"});
        EXPECT_EQ(result.status, c.status) << c.err;
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(Names(), (std::vector<std::string>{"in.zrl2", "kept"})) << c.err;

        const Result kept = Run({"in.zrl2", "kept"});
        EXPECT_EQ(Contents(Path("kept")), "old") << c.err;
        EXPECT_EQ(kept.out, "") << "nothing on standard output either";
    }
}

TEST_F(Cli, CommandLine)
{
    Result result = Run({"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.rfind("Usage: zrlconv-cli [--pairs PAIRS] INPUT [OUTPUT]\n", 0), 0u);
    EXPECT_EQ(result.err, "");

    const std::vector<std::string> wrong[] = {{}, {"a", "b", "c"}, {"--frobnicate", "a"}, {"a", "--pairs"}};
    for (const auto& args : wrong) {
        result = Run(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("Usage: zrlconv-cli"), std::string::npos);
    }
}
