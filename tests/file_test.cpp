// Reading and saving line lists as files, and what a failed save leaves.

#include "file_save.h"
#include "line_list.h"

#include "temporary_folder.h"
#include "test_support.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>


using namespace zrl;
using zrltest::ExpectError;
using zrltest::Fill;
using zrltest::LinesOf;

using Files = zrltest::TemporaryFolder;
using zrltest::Contents;

TEST_F(Files, ReadSplitsAndWriteEndsEveryLineWithCrLf)
{
    Put("in", "a\r\nb\n\nc\r");
    LineList list;
    list.ReadFromFile(Path("in"));
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"a", "b", "", "c"}));
    list.WriteToFile(Path("out"));
    EXPECT_EQ(Contents(Path("out")), "a\r\nb\r\n\r\nc\r\n");

    Put("nul", std::string_view("a\0b", 3));
    list.ReadFromFile(Path("nul"));
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"a"}));

    Put("empty", "");
    list.ReadFromFile(Path("empty"));
    EXPECT_EQ(list.Count(), 0);
    list.WriteToFile(Path("out"));
    EXPECT_EQ(Contents(Path("out")), "");
}

TEST_F(Files, ReadingADescriptorGoesOnFromWhereItStands)
{
    Put("in", "skipped\nfirst\nsecond\n");
    const int fd = open(Path("in").c_str(), O_RDONLY);
    char skipped[8];
    ASSERT_EQ(read(fd, skipped, sizeof skipped), 8);
    LineList list;
    list.ReadFromDescriptor(fd, "in");
    close(fd);
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"first", "second"}));
}

TEST_F(Files, LongLinesAndManyLinesKeepTheirBytes)
{
    const std::string longLine(3 << 20, '\xE8'); // longer than any write buffer
    LineList list;
    Fill(list, {"x", longLine, ""});
    for (int i = 0; i < 50000; ++i)
        list.Append("line " + std::to_string(i));
    list.WriteToFile(Path("out"));
    LineList back;
    back.ReadFromFile(Path("out"));
    EXPECT_EQ(LinesOf(back), LinesOf(list));
}

TEST_F(Files, ReadingWhatCannotBeOpenedRaisesFileOpenErrorAndKeepsTheList)
{
    LineList list;
    Fill(list, {"kept"});
    for (const std::string& path : {Path("missing"), folder_, std::string()})
        ExpectError<EFOpenError>([&] { list.ReadFromFile(path); }, "Cannot open file " + path);
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"kept"}));
}

TEST_F(Files, TargetsThatCannotBeCreatedRaiseFileCreateError)
{
    mkdir(Path("folder").c_str(), 0755);
    LineList list;
    Fill(list, {"x"});
    for (const std::string& path : {Path("missing/out"), Path("folder"), Path("folder/"), std::string()})
        ExpectError<EFCreateError>([&] { list.WriteToFile(path); }, "Cannot create file " + path);
    EXPECT_EQ(Names(), (std::vector<std::string>{"folder"}));
}

TEST_F(Files, SavingReplacesTheTargetKeepingItsPermissionBits)
{
    Put("out", "old contents");
    chmod(Path("out").c_str(), 0640);
    LineList list;
    Fill(list, {"new"});
    list.WriteToFile(Path("out"));
    EXPECT_EQ(Contents(Path("out")), "new\r\n");
    struct stat status {};
    stat(Path("out").c_str(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(Names(), (std::vector<std::string>{"out"}));
}

TEST_F(Files, SavingFollowsSymbolicLinks)
{
    mkdir(Path("real").c_str(), 0755);
    Put("real/target", "old");
    symlink("real/target", Path("link").c_str());
    symlink("nowhere", Path("dangling").c_str());
    LineList list;
    Fill(list, {"new"});
    list.WriteToFile(Path("link"));
    list.WriteToFile(Path("dangling"));
    struct stat status {};
    lstat(Path("link").c_str(), &status);
    EXPECT_TRUE(S_ISLNK(status.st_mode)) << "the link itself stays a link";
    EXPECT_EQ(Contents(Path("real/target")), "new\r\n");
    EXPECT_EQ(Contents(Path("nowhere")), "new\r\n");
}

TEST_F(Files, DevicesAreWrittenDirectly)
{
    LineList list;
    Fill(list, {"x"});
    list.WriteToFile("/dev/null");
    if (access("/dev/full", W_OK) == 0)
        ExpectError<EFWriteError>([&] { list.WriteToFile("/dev/full"); }, "Cannot write file /dev/full");
}

TEST_F(Files, FailedWriteRaisesFileWriteErrorAndKeepsTheOldFile)
{
    Put("out", "old contents");
    LineList list;
    Fill(list, {std::string(1 << 16, 'x')});

    // A file size limit makes the write fail with EFBIG part way.
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto savedSignal = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    ExpectError<EFWriteError>([&] { list.WriteToFile(Path("out")); }, "Cannot write file " + Path("out"));
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, savedSignal);

    EXPECT_EQ(Contents(Path("out")), "old contents");
    EXPECT_EQ(Names(), (std::vector<std::string>{"out"}));
}

TEST_F(Files, UncommittedSaveLeavesNothingBehind)
{
    Put("out", "old");
    {
        FileSave save(Path("out"));
        ASSERT_EQ(write(save.Descriptor(), "new", 3), 3);
    }
    EXPECT_EQ(Contents(Path("out")), "old");
    EXPECT_EQ(Names(), (std::vector<std::string>{"out"}));
}
