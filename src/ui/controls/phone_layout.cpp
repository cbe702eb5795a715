#include "ui/controls/phone_layout.h"

#include "ui/controls/control_rows.h"

#include <array>

namespace quorvel::ui {
namespace {

using namespace rows;

// The display's controls, the labels and then the bars, each in its row.
constexpr auto kDisplay = [] {
    std::array<PhoneDisplayRow, kLabels.size() + kLines.size()> display{};
    std::size_t at = 0;
    for (const LabelRow& row : kLabels) {
        display.at(at++) = {row.name, static_cast<int>(row.phone)};
    }
    for (const LineRow& row : kLines) {
        display.at(at++) = {row.name, static_cast<int>(row.phone)};
    }
    return display;
}();

// The keys: the buttons, then the display-mode group.
constexpr auto kKeys = [] {
    std::array<PhoneKey, kButtons.size() + 1> keys{};
    std::size_t at = 0;
    for (const ButtonRow& row : kButtons) {
        keys.at(at++) = {row.name, row.phone.left, row.phone.top, row.phone.width,
                         row.phone.height};
    }
    keys.at(at) = {kFrame.name, kFrame.phone.left, kFrame.phone.top, kFrame.phone.width,
                   kFrame.phone.height};
    return keys;
}();

[[nodiscard]] constexpr bool overlap(const PhoneKey& a, const PhoneKey& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// Every key stands inside the grid's width, a finger's height at the least, and apart from every
// other key: a key placed over another, or half off the screen, stops the build.
static_assert(
    [] {
        for (std::size_t i = 0; i < kKeys.size(); ++i) {
            const PhoneKey& key = kKeys.at(i);
            if (key.left < 0 || key.left + key.width > kPhoneReferenceWidth || key.height < 44) {
                return false;
            }
            for (std::size_t j = i + 1; j < kKeys.size(); ++j) {
                if (overlap(key, kKeys.at(j))) {
                    return false;
                }
            }
        }
        return true;
    }(),
    "a phone key overlaps another, or stands outside the grid, or is under a finger's height");

} // namespace

std::span<const PhoneDisplayRow> phoneDisplay() {
    return kDisplay;
}

std::span<const PhoneKey> phoneKeys() {
    return kKeys;
}

} // namespace quorvel::ui
