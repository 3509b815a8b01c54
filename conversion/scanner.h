#pragma once
// Reading elements from single lines of a ZRL 2 record. Only the first
// element of a line is looked at: its name, its content and what follows its
// closing tag. Results view the text they were given.

#include <cstddef>
#include <span>
#include <string_view>

namespace zrl {

// Name of the first element of s ("/events" for "</events>"); s itself when
// s has no "<" before its last character or no ">". Raises ERangeError for an
// empty s.
std::string_view ElementName(std::string_view s);

// Content of the first element of s; s itself when the element or its
// closing tag is not found. Raises ERangeError for an empty s.
std::string_view ElementValue(std::string_view s);

// What follows the first element's closing tag; s itself when the element or
// its closing tag is not found. Raises ERangeError for an empty s.
std::string_view ElementRest(std::string_view s);

// Reads fields.size() fields of line by position: the contents of the
// children of its element, one after another. An element with fewer children
// runs out of text and raises ERangeError.
void ReadFields(std::string_view line, std::span<std::string_view> fields);

} // namespace zrl
