// zrlconv-cli: converts a ZRL 2 record into ZRL 1 lines from the command line.

#include "arguments.h"
#include "convert_command.h"

#include <cstdio>

int main(int argc, char** argv)
{
    const zrlcli::ParsedCommandLine parsed = zrlcli::ParseCommandLine({argv + 1, argv + argc});
    if (parsed.help) {
        std::fputs(zrlcli::UsageText(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 2;
    }
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "zrlconv-cli: %s\n%s", parsed.error.c_str(), zrlcli::UsageText());
        return 2;
    }
    return zrlcli::RunConversion(parsed.arguments);
}
