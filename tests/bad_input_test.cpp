// Whatever a user hands zrlconv-cli, it answers with the ZRL 1 lines,
// "Chyba konverze" or a clear error, never a crash, and a failure leaves
// every file it would have written as it was.

#include "cli_runner.h"
#include "records.h"

#include <random>
#include <regex>

using zrltest::CliLimits;
using zrltest::CliResult;
using zrltest::Contents;
using zrltest::kDeclaration;
using zrltest::RecordText;

namespace {

std::string Buy(const std::string& time)
{
    return "<buy><t>" + time + "</t><a>X</a><b>Y</b><c>Z</c></buy>\r\n";
}

// A UTF-16 export, little-endian with its byte-order mark.
std::string Utf16(const std::string& ascii)
{
    std::string bytes = "\xFF\xFE";
    for (char c : ascii)
        bytes += std::string{c, '\0'};
    return bytes;
}

bool UnderAddressSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

class BadInput : public zrltest::CliFolder {
protected:
    // The files a failed run must leave as they were.
    void PutOldResults()
    {
        Put("out", "old output");
        Put("pairs", "old pairs");
    }

    void ExpectOldResults(const std::string& what)
    {
        EXPECT_EQ(Contents(Path("out")), "old output") << what;
        EXPECT_EQ(Contents(Path("pairs")), "old pairs") << what;
    }

    // One line on standard error, in the form of the tool's messages.
    static void ExpectOneMessage(const CliResult& result, const std::string& what)
    {
        static const std::regex form("zrlconv-cli: in\\.zrl2(:[0-9]+)?: [^\n]+\n");
        EXPECT_TRUE(std::regex_match(result.err, form)) << what << ": " << result.err;
        EXPECT_EQ(result.out, "") << what;
    }
};

} // namespace

TEST_F(BadInput, FilesAndRecordsGiveTheirStatusAndMessage)
{
    mkdir(Path("folder").c_str(), 0755);
    const std::string example = Contents(ZRLCONV_EXAMPLES "/season.zrl2");
    std::string manyEvents;
    for (int i = 0; i < 200; ++i)
        manyEvents += Buy(std::to_string(i));

    struct Case {
        const char* what;
        std::string input; // written to in.zrl2
        std::vector<std::string> args;
        int status;
        std::string err;
        CliLimits limits = {};
    } cases[] = {
        {"missing file", "", {"missing.zrl2", "out"}, 2, "zrlconv-cli: Cannot open file missing.zrl2.\n"},
        {"folder as input", "", {"folder", "out"}, 2, "zrlconv-cli: Cannot open file folder.\n"},
        {"empty file", "", {}, 2, "zrlconv-cli: in.zrl2: List index out of bounds (0)\n"},
        {"NUL bytes", std::string(4096, '\0'), {}, 2, "zrlconv-cli: in.zrl2: List index out of bounds (0)\n"},
        {"UTF-16 with a byte-order mark", Utf16(kDeclaration + "\r\n<record>\r\n"), {}, 1,
         "zrlconv-cli: in.zrl2:1: Chyba konverze\n"},
        {"50 MB without a line break", std::string(50 << 20, 'x'), {}, 1, "zrlconv-cli: in.zrl2:1: Chyba konverze\n"},
        {"headquarters count 2147483647", RecordText("2147483647", ""), {}, 2,
         "zrlconv-cli: in.zrl2: List index out of bounds (-1)\n"},
        {"headquarters count not a number", RecordText("2.5", ""), {}, 2,
         "zrlconv-cli: in.zrl2:3: '2.5' is not a valid integer value.\n"},
        {"time beyond the 32-bit limit", RecordText("0", Buy("2147483647") + Buy("2147483648")), {}, 2,
         "zrlconv-cli: in.zrl2:6: '2147483648' is not a valid integer value.\n"},
        {"time below the 32-bit limit", RecordText("0", Buy("-2147483649")), {}, 2,
         "zrlconv-cli: in.zrl2:5: '-2147483649' is not a valid integer value.\n"},
        {"output in a missing folder", example, {"in.zrl2", "nowhere/out"}, 2,
         "zrlconv-cli: Cannot create file nowhere/out.\n"},
        {"output that is a folder", example, {"in.zrl2", "folder"}, 2, "zrlconv-cli: Cannot create file folder.\n"},
        {"pairs in a missing folder", example, {"--pairs", "nowhere/pairs", "in.zrl2", "out"}, 2,
         "zrlconv-cli: Cannot create file nowhere/pairs.\n"},
        {"output that fills up", example, {"--pairs", "pairs", "in.zrl2", "/dev/full"}, 2,
         "zrlconv-cli: Cannot write file /dev/full.\n"},
        {"output over the file size limit", RecordText("0", manyEvents), {}, 2, "zrlconv-cli: Cannot write file out.\n",
         {.fileSize = 4096, .addressSpace = std::nullopt}},
    };
    for (const Case& c : cases) {
        Put("in.zrl2", c.input);
        PutOldResults();
        const std::vector<std::string> args =
            c.args.empty() ? std::vector<std::string>{"--pairs", "pairs", "in.zrl2", "out"} : c.args;
        const CliResult result = Run(args, "/dev/null", c.limits);
        EXPECT_EQ(result.status, c.status) << c.what;
        EXPECT_EQ(result.err, c.err) << c.what;
        EXPECT_EQ(result.out, "") << c.what;
        ExpectOldResults(c.what);
        EXPECT_EQ(Names(), (std::vector<std::string>{"folder", "in.zrl2", "out", "pairs"})) << c.what;
    }
}

TEST_F(BadInput, EdgesOfTheRecordThatStillConvert)
{
    struct Case {
        const char* what;
        std::string input;
        std::string converted; // the lines after the header
    } cases[] = {
        {"negative headquarters count", RecordText("-5", "<chq><t>0</t><n>A</n><p>1</p><q>2</q></chq>\r\n"), ""},
        {"times at the 32-bit limits", RecordText("0", Buy("2147483647") + Buy("-2147483648")),
         "2038-19-01-05-14-07; buy; X; Y; Z;\r\n1901-13-12-22-45-52; buy; X; Y; Z;\r\n"},
    };
    for (const Case& c : cases) {
        Put("in.zrl2", c.input);
        const CliResult result = Run({"in.zrl2"});
        EXPECT_EQ(result.status, 0) << c.what;
        EXPECT_EQ(result.err, "") << c.what;
        const std::size_t header = result.out.find("\r\n\r\n");
        ASSERT_NE(header, std::string::npos) << c.what;
        EXPECT_EQ(result.out.substr(header + 4), c.converted) << c.what;
    }
}

TEST_F(BadInput, RandomBinaryData)
{
    std::mt19937 random(20261210);
    for (int sample = 0; sample < 20; ++sample) {
        std::string bytes(4096, '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(random());
        Put("in.zrl2", bytes);
        PutOldResults();
        const CliResult result = Run({"--pairs", "pairs", "in.zrl2", "out"});
        EXPECT_TRUE(result.status == 1 || result.status == 2) << sample;
        ExpectOneMessage(result, "sample " + std::to_string(sample));
        ExpectOldResults("sample " + std::to_string(sample));
    }
}

TEST_F(BadInput, RecordCutOffInEveryLine)
{
    const std::string record = Contents(ZRLCONV_EXAMPLES "/season.zrl2");
    std::vector<std::size_t> cuts;
    for (std::size_t start = 0; start < record.size();) {
        const std::size_t end = record.find("\r\n", start);
        cuts.push_back(start + (end - start) / 2); // inside the line
        cuts.push_back(end);                       // after its last character
        start = end + 2;
    }
    for (std::size_t cut : cuts) {
        const std::string kept = record.substr(0, cut);
        const std::string what = "cut after \"" + kept.substr(kept.rfind('\n') + 1) + "\"";
        Put("in.zrl2", kept);
        PutOldResults();
        const CliResult result = Run({"--pairs", "pairs", "in.zrl2", "out"});
        if (kept.find("</events>") != std::string::npos) {
            EXPECT_EQ(result.status, 0) << what; // what follows </events> is not read
            continue;
        }
        EXPECT_TRUE(result.status == 1 || result.status == 2) << what;
        ExpectOneMessage(result, what);
        ExpectOldResults(what);
    }
}

TEST_F(BadInput, RecordTooLargeForMemory)
{
    if (UnderAddressSanitizer())
        GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
    // A sparse file: 256 MB of NUL bytes that the converter must hold whole.
    const int fd = open(Path("in.zrl2").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_EQ(ftruncate(fd, 256 << 20), 0);
    close(fd);
    PutOldResults();
    const CliResult result = Run({"--pairs", "pairs", "in.zrl2", "out"}, "/dev/null", {.fileSize = std::nullopt, .addressSpace = 128 << 20});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "zrlconv-cli: Out of memory.\n");
    ExpectOldResults("out of memory");
}
