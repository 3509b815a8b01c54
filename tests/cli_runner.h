#pragma once
// Runs zrlconv-cli in a folder of the test's own and collects what it did.

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace zrltest {

inline std::string Contents(const std::string& path)
{
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

struct CliResult {
    int status = -1; // the exit status; -1 when the program did not exit by itself
    std::string out;
    std::string err;
};

// Limits set on the program before it starts.
struct CliLimits {
    std::optional<rlim_t> fileSize;     // RLIMIT_FSIZE, with SIGXFSZ ignored
    std::optional<rlim_t> addressSpace; // RLIMIT_AS
};

class CliFolder : public testing::Test {
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

    CliResult Run(const std::vector<std::string>& args, const std::string& standardInput = "/dev/null",
                  const CliLimits& limits = {}) const
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
            if (limits.fileSize) {
                signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{*limits.fileSize, *limits.fileSize};
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            if (limits.addressSpace) {
                const rlimit limit{*limits.addressSpace, *limits.addressSpace};
                setrlimit(RLIMIT_AS, &limit);
            }
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

    // The files in the folder: what a failed run must leave as it was.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        DIR* dir = opendir(folder_.c_str());
        while (dirent* entry = readdir(dir))
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                names.emplace_back(entry->d_name);
        closedir(dir);
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string root_;
    std::string folder_;
};

} // namespace zrltest
