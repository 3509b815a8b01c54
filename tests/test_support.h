#pragma once
// Helpers shared by the tests of the conversion library.

#include "errors.h"
#include "line_list.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace zrltest {

inline void Fill(zrl::LineList& list, const std::vector<std::string>& lines)
{
    list.Clear();
    for (const std::string& line : lines)
        list.Append(line);
}

inline std::vector<std::string> LinesOf(const zrl::LineList& list)
{
    std::vector<std::string> lines;
    for (std::int32_t i = 0; i < list.Count(); ++i)
        lines.emplace_back(list.Line(i));
    return lines;
}

// Runs action, which must raise exactly the error kind E with message.
template <class E, class Action>
void ExpectError(Action action, std::string_view message)
{
    try {
        action();
        ADD_FAILURE() << "no error raised, expected: " << message;
    } catch (const E& error) {
        EXPECT_EQ(error.what(), message);
    } catch (const std::exception& error) {
        ADD_FAILURE() << "another error raised: " << error.what() << ", expected: " << message;
    }
}

} // namespace zrltest
