// The JSON the program hands to the page: commas where they belong at every depth, strings
// escaped, point sizes to the hundredth.
#include "ui/controls/json.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace quorvel::ui {
namespace {

struct Written {
    const char* name;
    std::function<void(JsonWriter&)> write;
    std::string json;
};

class JsonWriterWrites : public ::testing::TestWithParam<Written> {};

TEST_P(JsonWriterWrites, WhatItIsTold) {
    JsonWriter json;
    GetParam().write(json);
    EXPECT_EQ(json.text(), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Json, JsonWriterWrites,
    ::testing::Values(
        Written{"an_empty_object_and_array",
                [](JsonWriter& j) { j.beginObject().key("a").beginArray().end().end(); },
                R"({"a":[]})"},
        Written{"commas_between_keys_and_items_but_not_after_a_key",
                [](JsonWriter& j) {
                    j.beginObject().key("a").value(1).key("b").beginArray().value(2).value(3);
                    j.end().key("c").boolean(false).key("d").null().end();
                },
                R"({"a":1,"b":[2,3],"c":false,"d":null})"},
        Written{"objects_in_arrays_in_objects",
                [](JsonWriter& j) {
                    j.beginArray().beginObject().key("x").beginArray().beginArray().value(-1);
                    j.end().end().end().beginObject().end().end();
                },
                R"([{"x":[[-1]]},{}])"},
        Written{"strings_escaped_and_japanese_as_it_is",
                [](JsonWriter& j) { j.beginArray().value("計算\r\"\\").value("").end(); },
                R"(["計算\r\"\\",""])"},
        Written{"point_sizes_to_the_hundredth_without_trailing_zeros",
                [](JsonWriter& j) {
                    j.beginArray().hundredths(17.25).hundredths(12.5).hundredths(9);
                    j.hundredths(0).hundredths(21.75).hundredths(12.05).hundredths(-1.5).end();
                },
                R"([17.25,12.5,9,0,21.75,12.05,-1.5])"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace quorvel::ui
