#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel::ui {

// A JSON string literal of UTF-8 text: quotes, backslashes and control characters escaped
// ("\r" stays visible as \r), everything else passed through as UTF-8.
std::string jsonString(std::string_view text);

// Writes compact JSON as it is told, putting in the commas itself:
//   JsonWriter json;
//   json.beginObject().key("name").value("Label9").key("top").value(24).end();
// The program hands its window to the page as such text, so every writer of it is one of these.
class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& beginArray();
    // Closes the innermost object or array.
    JsonWriter& end();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(long long number);
    JsonWriter& value(int number) { return value(static_cast<long long>(number)); }
    // To the hundredth, without a trailing zero: 17.25, 12.5, 9.
    JsonWriter& hundredths(double number);
    JsonWriter& boolean(bool truth);
    JsonWriter& null();

    [[nodiscard]] const std::string& text() const { return out_; }

private:
    void beforeValue();

    struct Open {
        char close; // '}' or ']'
        bool empty; // nothing written in it yet
    };
    std::string out_;
    std::vector<Open> open_;
    bool afterKey_ = false;
};

} // namespace quorvel::ui
