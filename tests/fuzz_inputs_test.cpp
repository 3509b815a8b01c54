// The fuzzers' seed inputs and every input a fuzzer found a fault with, run
// through the same properties as ordinary tests.

#include "fuzz/properties.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using Check = void (*)(const std::uint8_t*, std::size_t);

void CheckEveryInput(const std::string& target, Check check)
{
    int inputs = 0;
    for (const char* kind : {"corpus", "regressions"}) {
        const std::filesystem::path folder = std::filesystem::path(ZRLCONV_FUZZ_INPUTS) / kind / target;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file() || entry.path().filename() == ".keep")
                continue;
            std::ostringstream bytes;
            bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
            const std::string input = bytes.str();
            SCOPED_TRACE(entry.path().string());
            check(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0) << "the seed corpus of " << target << " is missing";
}

} // namespace

TEST(FuzzInputs, Record)
{
    CheckEveryInput("record", zrlfuzz::CheckRecord);
}

TEST(FuzzInputs, Text)
{
    CheckEveryInput("text", zrlfuzz::CheckText);
}
