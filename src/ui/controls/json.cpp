#include "ui/controls/json.h"

#include <array>
#include <cmath>

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

namespace quorvel::ui {

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!open_.empty()) {
        if (!open_.back().empty) {
            out_ += ',';
        }
        open_.back().empty = false;
    }
}

JsonWriter& JsonWriter::beginObject() {
    beforeValue();
    out_ += '{';
    open_.push_back({'}', true});
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    beforeValue();
    out_ += '[';
    open_.push_back({']', true});
    return *this;
}

JsonWriter& JsonWriter::end() {
    if (!open_.empty()) {
        out_ += open_.back().close;
        open_.pop_back();
    }
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beforeValue();
    out_ += jsonString(name);
    out_ += ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    beforeValue();
    out_ += jsonString(text);
    return *this;
}

JsonWriter& JsonWriter::value(long long number) {
    beforeValue();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::hundredths(double number) {
    beforeValue();
    const long long scaled = std::llround(number * 100);
    if (scaled < 0) {
        out_ += '-';
    }
    const long long magnitude = scaled < 0 ? -scaled : scaled;
    out_ += std::to_string(magnitude / 100);
    if (const long long fraction = magnitude % 100; fraction != 0) {
        out_ += '.';
        out_ += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) {
            out_ += static_cast<char>('0' + fraction % 10);
        }
    }
    return *this;
}

JsonWriter& JsonWriter::boolean(bool truth) {
    beforeValue();
    out_ += truth ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    out_ += "null";
    return *this;
}

} // namespace quorvel::ui
