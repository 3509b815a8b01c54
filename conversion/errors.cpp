#include "errors.h"

#include "windows1250.h"

namespace zrl {

EStringListError EStringListError::OutOfBounds(std::int64_t index)
{
    return EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

ERangeError::ERangeError() : Error("Range check error") {}

EConvertError::EConvertError(std::string_view windows1250Text)
    : Error("'" + Windows1250Decoder().ToUtf8(windows1250Text) + "' is not a valid integer value")
{
}

EFOpenError::EFOpenError(const std::string& fileName) : Error("Cannot open file " + fileName) {}

EFCreateError::EFCreateError(const std::string& fileName) : Error("Cannot create file " + fileName) {}

EFWriteError::EFWriteError(const std::string& fileName) : Error("Cannot write file " + fileName) {}

std::string ReportText(std::string message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    return message;
}

} // namespace zrl
