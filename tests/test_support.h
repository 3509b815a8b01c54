#pragma once
// Helpers shared by the tests of the conversion library.

#include "errors.h"
#include "line_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace zrltest {

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
