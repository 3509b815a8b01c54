#include "arguments.h"

#include <string_view>

namespace zrlcli {

namespace {
constexpr std::string_view kPairsOption = "--pairs";
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    ParsedCommandLine parsed;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (optionsEnded || arg == kStandardStream || arg.empty() || arg[0] != '-') {
            positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-h" || arg == "--help") {
            parsed.help = true;
            return parsed;
        } else if (arg == kPairsOption) {
            if (k + 1 == args.size()) {
                parsed.error = "option --pairs needs a file name";
                return parsed;
            }
            parsed.arguments.pairs = args[++k];
        } else if (arg.starts_with(std::string(kPairsOption) + "=")) {
            parsed.arguments.pairs = arg.substr(kPairsOption.size() + 1);
        } else {
            parsed.error = "unknown option " + arg;
            return parsed;
        }
    }
    if (positional.empty())
        parsed.error = "missing INPUT";
    else if (positional.size() > 2)
        parsed.error = "too many arguments";
    else if (parsed.arguments.pairs && parsed.arguments.pairs->empty())
        parsed.error = "option --pairs needs a file name";
    if (!parsed.error.empty())
        return parsed;
    parsed.arguments.input = positional[0];
    if (positional.size() == 2)
        parsed.arguments.output = positional[1];
    return parsed;
}

const char* UsageText()
{
    return "Usage: zrlconv-cli [--pairs PAIRS] INPUT [OUTPUT]\n"
           "Convert a ZRL 2 record (XML in windows-1250) into ZRL 1 lines.\n"
           "\n"
           "  INPUT          the ZRL 2 record; - reads standard input\n"
           "  OUTPUT         the ZRL 1 record; standard output when missing or -\n"
           "  --pairs PAIRS  also write the converted headquarters as name=value lines\n"
           "  -h, --help     show this help and exit\n"
           "\n"
           "Lines are written with CR LF. A file is replaced only once written whole.\n"
           "Exit status: 0 converted; 1 not a ZRL 2 record of the expected shape\n"
           "(Chyba konverze); 2 an error in the record or with a file, reported as\n"
           "zrlconv-cli: INPUT:LINE: MESSAGE. Nothing is written unless the status is 0.\n";
}

} // namespace zrlcli
