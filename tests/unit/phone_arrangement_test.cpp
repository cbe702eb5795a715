// The window arranged for a phone or a tablet, either way up, at the sizes they have: every key
// a finger's size, the fields a finger apart, nothing wider than the screen, every control placed
// once; on its side, the keys beside the display.
#include "ui/web/phone_arrangement.h"

#include "ui/controls/control_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

namespace quorvel::ui::web {
namespace {

struct Room {
    int width;
    int height;
};

class PhoneArrangementAt : public ::testing::TestWithParam<Room> {};

// The place a zoomed control takes on the screen.
PlacedRect onScreen(const PlacedControl& control) {
    return {control.rect.left * control.zoom, control.rect.top * control.zoom,
            control.rect.width * control.zoom, control.rect.height * control.zoom};
}

TEST_P(PhoneArrangementAt, FitsAFingerAndTheScreen) {
    const int width = GetParam().width;
    const PhoneArrangement phone = arrangeForPhone(width, GetParam().height);
    EXPECT_LE(phone.width, width);
    for (const PlacedControl& key : phone.keys) {
        EXPECT_GE(key.rect.width, 44 - 1e-9) << key.name;
        EXPECT_GE(key.rect.height, 44 - 1e-9) << key.name;
        EXPECT_LE(key.rect.left + key.rect.width, width + 1e-9) << key.name;
    }
    for (const PlacedControl& option : phone.options) {
        EXPECT_GE(option.rect.height, 44) << option.name;
    }
    std::vector<PlacedRect> fields;
    for (const PlacedControl& item : phone.display) {
        const PlacedRect r = onScreen(item);
        EXPECT_LE(r.left + r.width, width + 1e-9) << item.name;
        const std::set<std::string> entryFields{"Label7",  "Label8",  "Label9",
                                                "Label10", "Label11", "Label12"};
        if (entryFields.count(std::string(item.name)) != 0) {
            fields.push_back(r);
        }
    }
    ASSERT_EQ(fields.size(), 6U);
    for (std::size_t a = 0; a < fields.size(); ++a) {
        for (std::size_t b = a + 1; b < fields.size(); ++b) {
            const double across = std::abs(fields[a].left + fields[a].width / 2 - fields[b].left -
                                           fields[b].width / 2);
            const double down = std::abs(fields[a].top + fields[a].height / 2 - fields[b].top -
                                         fields[b].height / 2);
            EXPECT_GE(std::max(across, down), 44) << a << " and " << b;
        }
    }
    EXPECT_GT(phone.height, phone.readout.top);
}

TEST_P(PhoneArrangementAt, PlacesEveryControlOnce) {
    const PhoneArrangement phone = arrangeForPhone(GetParam().width, GetParam().height);
    std::multiset<std::string> placed;
    for (const auto* list : {&phone.display, &phone.keys, &phone.options}) {
        for (const PlacedControl& control : *list) {
            placed.emplace(control.name);
        }
    }
    std::multiset<std::string> controls;
    for (const LabelRow& row : labelTable()) {
        controls.emplace(row.name);
    }
    for (const LineRow& row : lineTable()) {
        controls.emplace(row.name);
    }
    for (const ButtonRow& row : buttonTable()) {
        controls.emplace(row.name);
    }
    for (const OptionRow& row : optionTable()) {
        controls.emplace(row.name);
    }
    controls.emplace(displayModeFrame().name);
    EXPECT_EQ(placed, controls);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PhoneArrangementAt,
                         ::testing::Values(Room{320, 524}, Room{360, 696}, Room{390, 800},
                                           Room{412, 871}, Room{559, 856}, Room{768, 980},
                                           Room{568, 276}, Room{844, 346}, Room{1024, 724},
                                           Room{1180, 776}));

TEST(PhoneArrangement, OnItsSideTheKeysStandBesideTheDisplay) {
    const PhoneArrangement phone = arrangeForPhone(844, 346);
    double displayRight = 0;
    for (const PlacedControl& item : phone.display) {
        displayRight = std::max(displayRight, onScreen(item).left + onScreen(item).width);
    }
    for (const PlacedControl& key : phone.keys) {
        EXPECT_GT(key.rect.left, displayRight) << key.name;
    }
    EXPECT_EQ(phone.width, 844);
}

TEST(PhoneArrangement, ATabletOnItsSideNeedsNoScrolling) {
    EXPECT_LE(arrangeForPhone(1180, 776).height, 776);
    EXPECT_LE(arrangeForPhone(1024, 724).height, 724);
}

TEST(PhoneArrangement, UprightIsNoWiderThanALargePhone) {
    EXPECT_EQ(arrangeForPhone(768, 980).width, 560);
}

} // namespace
} // namespace quorvel::ui::web
