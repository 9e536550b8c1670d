#pragma once

#include <string>

namespace tikaroo::test {

// The text of the `Error` that `action` raises, or "" when it raises none.
template <typename Error, typename Action>
std::string ErrorText(Action&& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return {};
}

} // namespace tikaroo::test
