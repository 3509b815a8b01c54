#include "convert_command.h"

#include "errors.h"
#include "file_save.h"
#include "line_list.h"
#include "record_conversion.h"

#include <unistd.h>

#include <cstdio>
#include <new>
#include <optional>
#include <string>

namespace zrlcli {

namespace {

constexpr const char* kProgram = "zrlconv-cli";

// "zrlconv-cli: WHERE: MESSAGE" on standard error; no WHERE when it is empty.
void Report(const std::string& where, const std::string& message)
{
    std::string line = std::string(kProgram) + ": ";
    if (!where.empty())
        line += where + ": ";
    line += message + "\n";
    std::fputs(line.c_str(), stderr);
}

std::string InputLine(const Arguments& arguments, std::optional<std::int32_t> stoppedAt)
{
    if (!stoppedAt)
        return arguments.input;
    return arguments.input + ":" + std::to_string(*stoppedAt + 1);
}

bool IsStandardStream(const std::string& name)
{
    return name == kStandardStream;
}

// Both results are written whole before either takes the place of an
// existing file, so a failure leaves every file as it was.
void Save(const Arguments& arguments, const zrl::LineList& output, const zrl::LineList& pairs)
{
    std::optional<zrl::FileSave> outputSave;
    std::optional<zrl::FileSave> pairsSave;
    if (!IsStandardStream(arguments.output))
        outputSave.emplace(arguments.output);
    if (arguments.pairs && !IsStandardStream(*arguments.pairs))
        pairsSave.emplace(*arguments.pairs);

    if (outputSave)
        output.WriteToDescriptor(outputSave->Descriptor(), arguments.output);
    if (pairsSave)
        pairs.WriteToDescriptor(pairsSave->Descriptor(), *arguments.pairs);
    if (!outputSave)
        output.WriteToDescriptor(STDOUT_FILENO, arguments.output);
    if (arguments.pairs && !pairsSave)
        pairs.WriteToDescriptor(STDOUT_FILENO, *arguments.pairs);

    if (outputSave)
        outputSave->Commit();
    if (pairsSave)
        pairsSave->Commit();
}

} // namespace

ExitStatus RunConversion(const Arguments& arguments)
{
    zrl::LineList input;
    zrl::LineList output;
    zrl::LineList pairs;
    zrl::RecordConversion run(input, output, pairs);
    // Failures while converting are placed at the input line the run stopped
    // at; those of reading and saving name their file in the message.
    bool converting = false;
    const auto where = [&] { return converting ? InputLine(arguments, run.StoppedAt()) : std::string(); };
    try {
        if (IsStandardStream(arguments.input))
            input.ReadFromDescriptor(STDIN_FILENO, arguments.input);
        else
            input.ReadFromFile(arguments.input);

        converting = true;
        if (!run.ConvertRecord()) {
            Report(where(), "Chyba konverze");
            return kNotARecord;
        }
        converting = false;

        Save(arguments, output, pairs);
        return kConverted;
    } catch (const zrl::Error& error) {
        Report(where(), zrl::ReportText(error.what()));
    } catch (const std::bad_alloc&) {
        Report(where(), zrl::ReportText(zrl::kOutOfMemoryMessage));
    }
    return kFailed;
}

} // namespace zrlcli
