#pragma once
// Showing windows-1250 record text to people: the records keep their bytes,
// only what is displayed or put into a message is decoded.

#include <iconv.h>

#include <string>
#include <string_view>

namespace zrl {

// Decodes windows-1250 bytes to UTF-8. A byte the code page leaves undefined
// becomes U+FFFD. One decoder serves many calls; it is not thread-safe.
class Windows1250Decoder {
public:
    Windows1250Decoder();
    ~Windows1250Decoder();
    Windows1250Decoder(const Windows1250Decoder&) = delete;
    Windows1250Decoder& operator=(const Windows1250Decoder&) = delete;

    std::string ToUtf8(std::string_view windows1250) const;

private:
    iconv_t converter_;
};

} // namespace zrl
