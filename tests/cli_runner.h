#pragma once
// Runs zrlconv-cli in a folder of the test's own and collects what it did.

#include "temporary_folder.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

namespace zrltest {

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

class CliFolder : public TemporaryFolder {
protected:
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

};

} // namespace zrltest
