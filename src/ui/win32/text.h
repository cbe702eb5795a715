#pragma once

#include <string>
#include <string_view>

// The program keeps its texts in UTF-8; Windows takes UTF-16.
namespace quorvel::ui::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// The program breaks lines with a carriage return alone; Windows' text drawing wants CR LF.
std::wstring withWindowsLineBreaks(std::string_view utf8);

} // namespace quorvel::ui::win32
