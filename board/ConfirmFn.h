#pragma once

#include <functional>
#include <string_view>

namespace lodrin {

// Asks the user a question with OK and Cancel; true means OK.
using ConfirmFn = std::function<bool(std::string_view question)>;

} // namespace lodrin
