#pragma once
// The failures that stop a conversion or a file operation. Each carries the
// message shown to people, composed as UTF-8.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zrl {

// Common base: catch this to report any failure the conversion names.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A line index outside the list: "List index out of bounds (%d)", or a list
// that cannot take another line: "Unable to insert a line".
class EStringListError : public Error {
public:
    using Error::Error;
    static EStringListError OutOfBounds(std::int64_t index);
};

// A character position outside the text: "Range check error".
class ERangeError : public Error {
public:
    ERangeError();
};

// A text that is no integer: "'%s' is not a valid integer value", the text
// decoded from windows-1250.
class EConvertError : public Error {
public:
    explicit EConvertError(std::string_view windows1250Text);
};

// A file that cannot be opened for reading: "Cannot open file %s".
class EFOpenError : public Error {
public:
    explicit EFOpenError(const std::string& fileName);
};

// A file that cannot be created: "Cannot create file %s".
class EFCreateError : public Error {
public:
    explicit EFCreateError(const std::string& fileName);
};

// A write, flush or rename that failed: "Cannot write file %s".
class EFWriteError : public Error {
public:
    explicit EFWriteError(const std::string& fileName);
};

// The message people see for a failed allocation.
inline constexpr const char* kOutOfMemoryMessage = "Out of memory";

// The message as the error report shows it: a "." is added when the last
// character sorts after "." (byte value above 46).
std::string ReportText(std::string message);

} // namespace zrl
