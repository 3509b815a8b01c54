// libFuzzer target: arbitrary bytes as a record file.
#include "properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zrlfuzz::CheckRecord(data, size);
    return 0;
}
