// zrlconv-cli end to end: exit status, output bytes and the standard error line.

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kDeclaration = R"(<?xml version="1.0" encoding="windows-1250"?>)";

std::string Record(const std::string& body, const std::string& hqCount = "0")
{
    return kDeclaration + "\r\n<record>\r\n <world><a>0</a><b>Alfa</b><c>0</c><d>D</d><e>E</e><f>" + hqCount +
           "</f><g>G</g><h>Mapa</h></world>\r\n <events>\r\n" + body + " </events>\r\n</record>\r\n";
}

const std::string kHeader =
    "1970-01-01-02-00-00; Alfa; 0; D; E; G;\r\n1970-01-01-02-00-00; create_world; Mapa;\r\n\r\n";

std::string Contents(const std::string& path)
{
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

// Each test runs the program in a folder of its own, holding the files it names.
class Cli : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/zrlconv-cli-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        folder_ = root_ + "/work";
        mkdir(folder_.c_str(), 0755);
    }
    void TearDown() override { std::system(("rm -rf '" + root_ + "'").c_str()); }

    std::string Path(const std::string& name) const { return folder_ + "/" + name; }

    void Put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }

    Result Run(const std::vector<std::string>& args, const std::string& standardInput = "/dev/null") const
    {
        const std::string out = root_ + "/stdout";
        const std::string err = root_ + "/stderr";
        const pid_t child = fork();
        if (child == 0) {
            if (chdir(folder_.c_str()) != 0)
                _exit(127);
            dup2(open(standardInput.c_str(), O_RDONLY), STDIN_FILENO);
            dup2(open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDOUT_FILENO);
            dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
            std::vector<char*> argv{const_cast<char*>(ZRLCONV_CLI)};
            for (const std::string& arg : args)
                argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            execv(ZRLCONV_CLI, argv.data());
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Contents(out), Contents(err)};
    }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        DIR* dir = opendir(folder_.c_str());
        while (dirent* entry = readdir(dir))
            if (entry->d_name[0] != '.' || std::string(entry->d_name).size() > 2)
                if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                    names.emplace_back(entry->d_name);
        closedir(dir);
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string root_;
    std::string folder_;
};

} // namespace

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
        {Record("", "0").replace(kDeclaration.size() + 2, 8, "<rekord>"), 1, "zrlconv-cli: in.zrl2:2: Chyba konverze\n"},
        {Record("  <ret><t>0</t><a>P</a></ret>\r\n"), 2, "zrlconv-cli: in.zrl2:5: Range check error.\n"},
        {Record("\r\n<buy><t>\x9A</t><a>1</a><b>2</b><c>3</c></buy>\r\n"), 2,
         "zrlconv-cli: in.zrl2:6: '\xC5\xA1' is not a valid integer value.\n"},
        {Record("", "1"), 2, "zrlconv-cli: in.zrl2: List index out of bounds (-1)\n"},
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

TEST_F(Cli, FilesThatCannotBeOpenedCreatedOrWritten)
{
    Put("in.zrl2", Record(""));
    Put("pairs", "old pairs");
    mkdir(Path("folder").c_str(), 0755);
    struct Case {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"missing.zrl2"}, "zrlconv-cli: Cannot open file missing.zrl2.\n"},
        {{"folder", "out"}, "zrlconv-cli: Cannot open file folder.\n"},
        {{"in.zrl2", "nowhere/out"}, "zrlconv-cli: Cannot create file nowhere/out.\n"},
        {{"in.zrl2", "folder"}, "zrlconv-cli: Cannot create file folder.\n"},
        {{"--pairs", "nowhere/p", "in.zrl2", "out"}, "zrlconv-cli: Cannot create file nowhere/p.\n"},
        {{"--pairs", "pairs", "in.zrl2", "/dev/full"}, "zrlconv-cli: Cannot write file /dev/full.\n"},
    };
    for (const Case& c : cases) {
        const Result result = Run(c.args);
        EXPECT_EQ(result.status, 2) << c.err;
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(Names(), (std::vector<std::string>{"folder", "in.zrl2", "pairs"})) << c.err;
        EXPECT_EQ(Contents(Path("pairs")), "old pairs");
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
