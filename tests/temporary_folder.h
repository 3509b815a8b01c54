#pragma once
// A folder of the test's own under /tmp, with the files a test writes and
// checks; removed after the test.

#include <gtest/gtest.h>

#include <dirent.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace zrltest {

inline std::string Contents(const std::string& path)
{
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

class TemporaryFolder : public testing::Test {
protected:
    // The test's files go to folder_; root_ holds it and whatever a test
    // keeps beside it, such as captured output.
    void SetUp() override
    {
        char pattern[] = "/tmp/zrlconv-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        folder_ = root_ + "/work";
        ASSERT_EQ(mkdir(folder_.c_str(), 0755), 0);
    }
    void TearDown() override { std::system(("rm -rf '" + root_ + "'").c_str()); }

    std::string Path(const std::string& name) const { return folder_ + "/" + name; }

    // Writes bytes to the file name in the folder and returns its path.
    std::string Put(const std::string& name, std::string_view bytes) const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }

    // The names in the folder, to see that nothing was left behind or lost.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        DIR* dir = opendir(folder_.c_str());
        while (dirent* entry = readdir(dir))
            if (std::string_view(entry->d_name) != "." && std::string_view(entry->d_name) != "..")
                names.emplace_back(entry->d_name);
        closedir(dir);
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string root_;
    std::string folder_;
};

} // namespace zrltest
