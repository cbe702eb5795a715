#pragma once

#include <string>
#include <string_view>

namespace quorvel::ui {

// A JSON string literal of UTF-8 text: quotes, backslashes and control characters escaped
// ("\r" stays visible as \r), everything else passed through as UTF-8.
std::string jsonString(std::string_view text);

} // namespace quorvel::ui
