#include "ui/controls/json.h"

#include <array>

namespace quorvel::ui {

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr std::array kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                          '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
                out += "\\u00";
                out += kHex.at(static_cast<unsigned char>(c) >> 4U);
                out += kHex.at(static_cast<unsigned char>(c) & 0xFU);
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

} // namespace quorvel::ui
