#include "windows1250.h"

#include "test_support.h"

using namespace zrl;

TEST(Windows1250Decoder, DecodesCzechLettersAndMarksUndefinedBytes)
{
    const Windows1250Decoder decoder;
    EXPECT_EQ(decoder.ToUtf8("Plze\xF2 \x8A\xED\x6D\x6F\x6E \xD8\x65\x68\x6F\xF8"), "Plzeň Šímon Řehoř");
    EXPECT_EQ(decoder.ToUtf8(""), "");
    // 0x81 has no character in windows-1250.
    EXPECT_EQ(decoder.ToUtf8("a\x81" "b"), "a\xEF\xBF\xBD" "b");
}

TEST(Windows1250Decoder, ErrorMessagesAreUtf8)
{
    zrltest::ExpectError<EConvertError>([] { throw EConvertError("\x9Atvrt"); }, "'štvrt' is not a valid integer value");
    EXPECT_EQ(ReportText("Range check error"), "Range check error.");
    EXPECT_EQ(ReportText("List index out of bounds (4)"), "List index out of bounds (4)");
    EXPECT_EQ(ReportText("Cannot open file in.zrl2"), "Cannot open file in.zrl2.");
    EXPECT_EQ(ReportText("Cannot open file a."), "Cannot open file a.");
    EXPECT_EQ(ReportText("Cannot open file a-"), "Cannot open file a-"); // "-" sorts before "."
    EXPECT_EQ(ReportText("'č' is not"), "'č' is not.");
    EXPECT_EQ(ReportText("x č"), "x č."); // the last byte of a UTF-8 letter sorts after "."
}
