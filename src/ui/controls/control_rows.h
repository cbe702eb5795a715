#pragma once

#include "ui/controls/control_tables.h"

#include <array>
#include <string_view>

// The window's controls, one row each, as data the compiler can check: the tables behind
// control_tables.h. What is ordered or placed across controls (the tab order, the phone's keys)
// is read from the rows here and checked when the program is built.
namespace quorvel::ui::rows {

using enum Alignment;
using enum PhoneRow;
using enum LabelId;
using enum LineId;
using enum OptionId;
inline constexpr std::optional<Colour> kNone;
inline constexpr std::optional<Event> kNoClick;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kDarkGrey = 0x404040;
inline constexpr FontChoice kDefault{};
inline constexpr FontChoice kField{12, true};
inline constexpr FontChoice kDigit{18, false};
inline constexpr FontChoice kOperator{17.25, false};

// clang-format off
inline constexpr std::array kLabels{
//  label                      caption  Left  Top  Width Height  font     back    text       align   click (a field's)     tab phone   description
    LabelRow{Label9,  "Label9",  "",  {240,  360, 495, 255}, kField,  kWhite, kNone,     Right,  Event::Label9_Click,  31, First,  "一つ目の数の整数部分"},
    LabelRow{Label8,  "Label8",  "",  {960,  120, 615, 255}, kField,  kWhite, kNone,     Left,   Event::Label8_Click,  30, First,  "一つ目の数の分子"},
    LabelRow{Label7,  "Label7",  "",  {960,  600, 615, 255}, kField,  kWhite, kDarkGrey, Centre, Event::Label7_Click,  35, First,  "一つ目の数の分母"},
    LabelRow{Label3,  "Label3",  "",  {1800, 285, 495, 495}, {20.25}, kNone,  kNone,     Left,   kNoClick,             7,  First,  "計算記号"},
    LabelRow{Label12, "Label12", "",  {2280, 360, 495, 255}, kField,  kWhite, kNone,     Right,  Event::Label12_Click, 34, Second, "二つ目の数の整数部分"},
    LabelRow{Label11, "Label11", "",  {3000, 120, 615, 255}, kField,  kWhite, kNone,     Left,   Event::Label11_Click, 33, Second, "二つ目の数の分子"},
    LabelRow{Label10, "Label10", "",  {3000, 600, 615, 255}, kField,  kWhite, kNone,     Centre, Event::Label10_Click, 32, Second, "二つ目の数の分母"},
    LabelRow{Label4,  "Label4",  "=", {3840, 240, 255, 495}, {24},    kNone,  kNone,     Left,   kNoClick,             6,  Answer, "等号"},
    LabelRow{Label5,  "Label5",  "",  {4200, 240, 255, 375}, {21.75}, kNone,  kNone,     Left,   kNoClick,             5,  Answer, "答えの符号"},
    LabelRow{Label6,  "Label6",  "",  {4560, 360, 615, 255}, kField,  kNone,  kNone,     Left,   kNoClick,             4,  Answer, "答えの整数部分"},
    LabelRow{Label2,  "Label2",  "",  {5400, 120, 735, 255}, kField,  kNone,  kNone,     Left,   kNoClick,             2,  Answer, "答えの分子"},
    LabelRow{Label1,  "Label1",  "",  {5400, 600, 735, 255}, kField,  kNone,  kNone,     Left,   kNoClick,             3,  Answer, "答えの分母"},
};

inline constexpr std::array kLines{
//  line                    X1    Y1   X2    Y2   phone
    LineRow{Line1, "Line1", 840,  480, 1680, 480, First},
    LineRow{Line2, "Line2", 2880, 480, 3720, 480, Second},
    LineRow{Line3, "Line3", 5280, 480, 6240, 480, Answer},
};

// A button's phone place is a key in a grid of rows 48 pixels high with 4 between them: the field
// keys, the keypad with its operators, the keys that clear and end; the display-mode group below.
inline constexpr std::array kButtons{
//  name         caption     Left  Top   Width Height   font       click                   tab  phone: left top width height  description
    ButtonRow{"Command18", "整数",     {2040, 1200, 615,  615}, kDefault,  Event::Command18_Click, 26, {2,   0,   60,  48}, "入力中の数の整数部分へ移る"},
    ButtonRow{"Command19", "分母",     {2640, 1200, 615,  615}, kDefault,  Event::Command19_Click, 27, {66,  0,   60,  48}, "入力中の数の分母へ移る"},
    ButtonRow{"Command20", "分子",     {3240, 1200, 615,  615}, kDefault,  Event::Command20_Click, 28, {130, 0,   60,  48}, "入力中の数の分子へ移る"},
    ButtonRow{"Command21", "戻る",     {3840, 1200, 615,  615}, kDefault,  Event::Command21_Click, 29, {194, 0,   60,  48}, "一つ目の数の整数部分へ戻る"},
    ButtonRow{"Command24", "-/+",      {4440, 1200, 735,  615}, {18},      Event::Command24_Click, 37, {258, 0,   60,  48}, "入力中の欄の正負を切り替える"},
    ButtonRow{"Command11", "7",        {2040, 1800, 615,  615}, kDigit,    Event::Command11_Click, 19, {2,   52,  76,  48}, "数字の7を入力する"},
    ButtonRow{"Command12", "8",        {2640, 1800, 615,  615}, kDigit,    Event::Command12_Click, 20, {82,  52,  76,  48}, "数字の8を入力する"},
    ButtonRow{"Command13", "9",        {3240, 1800, 615,  615}, kDigit,    Event::Command13_Click, 21, {162, 52,  76,  48}, "数字の9を入力する"},
    ButtonRow{"Command17", "÷",        {3840, 1800, 615,  615}, kOperator, Event::Command17_Click, 25, {242, 52,  76,  48}, "割り算を選ぶ"},
    ButtonRow{"Command8",  "4",        {2040, 2400, 615,  615}, kDigit,    Event::Command8_Click,  16, {2,   104, 76,  48}, "数字の4を入力する"},
    ButtonRow{"Command9",  "5",        {2640, 2400, 615,  615}, kDigit,    Event::Command9_Click,  17, {82,  104, 76,  48}, "数字の5を入力する"},
    ButtonRow{"Command10", "6",        {3240, 2400, 615,  615}, kDigit,    Event::Command10_Click, 18, {162, 104, 76,  48}, "数字の6を入力する"},
    ButtonRow{"Command16", "×",        {3840, 2400, 615,  615}, kOperator, Event::Command16_Click, 24, {242, 104, 76,  48}, "掛け算を選ぶ"},
    ButtonRow{"Command5",  "1",        {2040, 3000, 615,  615}, kDigit,    Event::Command5_Click,  13, {2,   156, 76,  48}, "数字の1を入力する"},
    ButtonRow{"Command6",  "2",        {2640, 3000, 615,  615}, kDigit,    Event::Command6_Click,  14, {82,  156, 76,  48}, "数字の2を入力する"},
    ButtonRow{"Command7",  "3",        {3240, 3000, 615,  615}, kDigit,    Event::Command7_Click,  15, {162, 156, 76,  48}, "数字の3を入力する"},
    ButtonRow{"Command15", "－",       {3840, 3000, 615,  615}, kOperator, Event::Command15_Click, 23, {242, 156, 76,  48}, "引き算を選ぶ"},
    ButtonRow{"Command4",  "0",        {2040, 3600, 615,  615}, kDigit,    Event::Command4_Click,  12, {2,   208, 76,  48}, "数字の0を入力する"},
    ButtonRow{"Command1",  "計算",     {2640, 3600, 1215, 615}, kDigit,    Event::Command1_Click,  11, {82,  208, 156, 48}, "計算して答えを表示する"},
    ButtonRow{"Command14", "＋",       {3840, 3600, 615,  615}, kOperator, Event::Command14_Click, 22, {242, 208, 76,  48}, "足し算を選ぶ"},
    ButtonRow{"Command22", "一つ消す", {4800, 2880, 1575, 615}, kDigit,    Event::Command22_Click, 36, {106, 260, 104, 48}, "入力中の欄を消す"},
    ButtonRow{"Command2",  "全て消す", {4800, 3480, 1575, 615}, kDigit,    Event::Command2_Click,  0,  {214, 260, 104, 48}, "全ての欄と答えを消す"},
    ButtonRow{"Command3",  "終了",     {240,  3480, 1215, 615}, kDefault,  Event::Command3_Click,  1,  {2,   260, 100, 48}, "電卓を終了する"},
};

//                                caption           Left Top   Width Height  tab phone                description
inline constexpr FrameRow kFrame{"Frame2", "答えの表示方法", {120, 1200, 1575, 1815}, 8, {2, 312, 316, 62}, "答えの表示方法を選ぶ"};

inline constexpr std::array kOptions{
//  option                caption   Left Top   Width Height   selected click                 tab description
    OptionRow{Option5, "Option5", "帯分数", {240, 480,  1095, 375}, true,  Event::Option5_Click, 9,  "答えを帯分数で表示する"},
    OptionRow{Option6, "Option6", "仮分数", {240, 1080, 1095, 300}, false, Event::Option6_Click, 10, "答えを仮分数で表示する"},
};

inline constexpr std::array kMenu{
//  menu item                          click
    MenuCommandRow{"FileExit",    "終了",           Event::FileExit_Click},
    MenuCommandRow{"FileBer",     "バージョン情報", Event::FileBer_Click},
    MenuCommandRow{"ViewWorking", "途中式",         Event::ViewWorking_Click},
    MenuCommandRow{"UseAnswer",   "答えを使う",     Event::UseAnswer_Click},
    MenuCommandRow{"CheckAnswer", "答え合わせ",     Event::CheckAnswer_Click},
    MenuCommandRow{"History",     "履歴",           Event::History_Click},
};
// clang-format on

// The controls that hold a tab index: every label and button, the frame and its options.
inline constexpr std::size_t kTabIndexCount =
    kLabels.size() + kButtons.size() + 1 + kOptions.size();

// Calls `visit(name, tab)` for every control that holds a tab index.
constexpr void forEachTabIndex(const auto& visit) {
    for (const LabelRow& row : kLabels) {
        visit(row.name, row.tab);
    }
    for (const ButtonRow& row : kButtons) {
        visit(row.name, row.tab);
    }
    visit(kFrame.name, kFrame.tab);
    for (const OptionRow& row : kOptions) {
        visit(row.name, row.tab);
    }
}

// The control names by tab index, "" where no control holds an index or two hold the same one.
inline constexpr std::array<std::string_view, kTabIndexCount> kTabOrder = [] {
    std::array<std::string_view, kTabIndexCount> order{};
    std::array<int, kTabIndexCount> holders{};
    forEachTabIndex([&](std::string_view name, int tab) {
        if (tab >= 0 && static_cast<std::size_t>(tab) < order.size()) {
            order.at(static_cast<std::size_t>(tab)) = name;
            ++holders.at(static_cast<std::size_t>(tab));
        }
    });
    for (std::size_t tab = 0; tab < order.size(); ++tab) {
        if (holders.at(tab) != 1) {
            order.at(tab) = "";
        }
    }
    return order;
}();

// Calls `visit(name, click)` for every control and menu command, with the event it raises if any.
constexpr void forEachClick(const auto& visit) {
    for (const LabelRow& row : kLabels) {
        visit(row.name, row.click);
    }
    for (const ButtonRow& row : kButtons) {
        visit(row.name, std::optional{row.click});
    }
    for (const OptionRow& row : kOptions) {
        visit(row.name, std::optional{row.click});
    }
    for (const MenuCommandRow& row : kMenu) {
        visit(row.name, std::optional{row.click});
    }
}

} // namespace quorvel::ui::rows
