// libFuzzer target: arbitrary bytes as one text for ParseInt and the scanner.
#include "properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zrlfuzz::CheckText(data, size);
    return 0;
}
