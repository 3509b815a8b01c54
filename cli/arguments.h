#pragma once
// The command line of zrlconv-cli.

#include <optional>
#include <string>
#include <vector>

namespace zrlcli {

inline constexpr const char* kStandardStream = "-";

struct Arguments {
    std::string input;                // "-" for standard input
    std::string output = kStandardStream; // "-" for standard output
    std::optional<std::string> pairs; // where the headquarters pairs go
};

struct ParsedCommandLine {
    bool help = false;
    std::string error; // why the command line is wrong; empty when it is right
    Arguments arguments;
};

// Reads the arguments after the program name.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The usage text, ending with a line break.
const char* UsageText();

} // namespace zrlcli
