#include "windows1250.h"

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace zrl {

namespace {
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
}

Windows1250Decoder::Windows1250Decoder() : converter_(iconv_open("UTF-8", "WINDOWS-1250"))
{
    if (converter_ == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("The windows-1250 code page is not available");
}

Windows1250Decoder::~Windows1250Decoder()
{
    iconv_close(converter_);
}

std::string Windows1250Decoder::ToUtf8(std::string_view windows1250) const
{
    std::string utf8;
    // Every windows-1250 character takes at most three UTF-8 bytes.
    utf8.resize(windows1250.size() * 3);
    char* in = const_cast<char*>(windows1250.data());
    std::size_t inLeft = windows1250.size();
    char* out = utf8.data();
    std::size_t outLeft = utf8.size();
    iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        if (iconv(converter_, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            throw std::runtime_error("Cannot decode windows-1250 text");
        // A byte without a character in the code page: show it as such and go on.
        out = std::copy(kReplacementCharacter.begin(), kReplacementCharacter.end(), out);
        outLeft -= kReplacementCharacter.size();
        ++in;
        --inLeft;
    }
    utf8.resize(utf8.size() - outLeft);
    return utf8;
}

} // namespace zrl
