#pragma once
// The properties the fuzzers check, also run on the committed inputs as
// ordinary tests.

#include <cstddef>
#include <cstdint>

namespace zrlfuzz {

// Arbitrary bytes as a record file: splitting is stable, the conversion ends
// with true, false or one of its named errors and says where it stopped, and
// converting its own output ends the same way.
void CheckRecord(const std::uint8_t* data, std::size_t size);

// Arbitrary bytes as one text: ParseInt accepts exactly the integer forms, and
// the element scanner agrees with a literal reading of its rules.
void CheckText(const std::uint8_t* data, std::size_t size);

} // namespace zrlfuzz
