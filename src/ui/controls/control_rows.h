#pragma once

#include "ui/controls/control_tables.h"

#include <array>
#include <string_view>

// The window's controls, one row each, as data the compiler can check: the tables behind
// control_tables.h, for the other tables that name the same controls (the phone layout, the
// events) to be checked against them when they are built.
namespace quorvel::ui::rows {

using enum Alignment;
inline constexpr std::optional<Colour> kNone;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kDarkGrey = 0x404040;
inline constexpr FontChoice kDefault{};
inline constexpr FontChoice kField{12, true};
inline constexpr FontChoice kDigit{18, false};
inline constexpr FontChoice kOperator{17.25, false};

// clang-format off
inline constexpr std::array kLabels{
//  label             name       caption  Left  Top  Width Height font          back    text       align   description
    LabelRow{LabelId::Label9,  "Label9",  "", {240,  360, 495, 255}, kField,       kWhite, kNone,     Right, "一つ目の数の整数部分"},
    LabelRow{LabelId::Label8,  "Label8",  "", {960,  120, 615, 255}, kField,       kWhite, kNone,     Left, "一つ目の数の分子"},
    LabelRow{LabelId::Label7,  "Label7",  "", {960,  600, 615, 255}, kField,       kWhite, kDarkGrey, Centre, "一つ目の数の分母"},
    LabelRow{LabelId::Label3,  "Label3",  "", {1800, 285, 495, 495}, {20.25},      kNone,  kNone,     Left, "計算記号"},
    LabelRow{LabelId::Label12, "Label12", "", {2280, 360, 495, 255}, kField,       kWhite, kNone,     Right, "二つ目の数の整数部分"},
    LabelRow{LabelId::Label11, "Label11", "", {3000, 120, 615, 255}, kField,       kWhite, kNone,     Left, "二つ目の数の分子"},
    LabelRow{LabelId::Label10, "Label10", "", {3000, 600, 615, 255}, kField,       kWhite, kNone,     Centre, "二つ目の数の分母"},
    LabelRow{LabelId::Label4,  "Label4",  "=",{3840, 240, 255, 495}, {24},         kNone,  kNone,     Left, "等号"},
    LabelRow{LabelId::Label5,  "Label5",  "", {4200, 240, 255, 375}, {21.75},      kNone,  kNone,     Left, "答えの符号"},
    LabelRow{LabelId::Label6,  "Label6",  "", {4560, 360, 615, 255}, kField,       kNone,  kNone,     Left, "答えの整数部分"},
    LabelRow{LabelId::Label2,  "Label2",  "", {5400, 120, 735, 255}, kField,       kNone,  kNone,     Left, "答えの分子"},
    LabelRow{LabelId::Label1,  "Label1",  "", {5400, 600, 735, 255}, kField,       kNone,  kNone,     Left, "答えの分母"},
};

inline constexpr std::array kLines{
//  line                 name     X1    Y1   X2    Y2
    LineRow{LineId::Line1, "Line1", 840,  480, 1680, 480},
    LineRow{LineId::Line2, "Line2", 2880, 480, 3720, 480},
    LineRow{LineId::Line3, "Line3", 5280, 480, 6240, 480},
};

inline constexpr std::array kButtons{
//  name                caption       Left  Top   Width Height  font       description
    ButtonRow{"Command18", "整数",     {2040, 1200, 615,  615}, kDefault, "入力中の数の整数部分へ移る"},
    ButtonRow{"Command19", "分母",     {2640, 1200, 615,  615}, kDefault, "入力中の数の分母へ移る"},
    ButtonRow{"Command20", "分子",     {3240, 1200, 615,  615}, kDefault, "入力中の数の分子へ移る"},
    ButtonRow{"Command21", "戻る",     {3840, 1200, 615,  615}, kDefault, "一つ目の数の整数部分へ戻る"},
    ButtonRow{"Command24", "-/+",      {4440, 1200, 735,  615}, {18}, "入力中の欄の正負を切り替える"},
    ButtonRow{"Command11", "7",        {2040, 1800, 615,  615}, kDigit, "数字の7を入力する"},
    ButtonRow{"Command12", "8",        {2640, 1800, 615,  615}, kDigit, "数字の8を入力する"},
    ButtonRow{"Command13", "9",        {3240, 1800, 615,  615}, kDigit, "数字の9を入力する"},
    ButtonRow{"Command17", "÷",        {3840, 1800, 615,  615}, kOperator, "割り算を選ぶ"},
    ButtonRow{"Command8",  "4",        {2040, 2400, 615,  615}, kDigit, "数字の4を入力する"},
    ButtonRow{"Command9",  "5",        {2640, 2400, 615,  615}, kDigit, "数字の5を入力する"},
    ButtonRow{"Command10", "6",        {3240, 2400, 615,  615}, kDigit, "数字の6を入力する"},
    ButtonRow{"Command16", "×",        {3840, 2400, 615,  615}, kOperator, "掛け算を選ぶ"},
    ButtonRow{"Command5",  "1",        {2040, 3000, 615,  615}, kDigit, "数字の1を入力する"},
    ButtonRow{"Command6",  "2",        {2640, 3000, 615,  615}, kDigit, "数字の2を入力する"},
    ButtonRow{"Command7",  "3",        {3240, 3000, 615,  615}, kDigit, "数字の3を入力する"},
    ButtonRow{"Command15", "－",       {3840, 3000, 615,  615}, kOperator, "引き算を選ぶ"},
    ButtonRow{"Command4",  "0",        {2040, 3600, 615,  615}, kDigit, "数字の0を入力する"},
    ButtonRow{"Command1",  "計算",     {2640, 3600, 1215, 615}, kDigit, "計算して答えを表示する"},
    ButtonRow{"Command14", "＋",       {3840, 3600, 615,  615}, kOperator, "足し算を選ぶ"},
    ButtonRow{"Command22", "一つ消す", {4800, 2880, 1575, 615}, kDigit, "入力中の欄を消す"},
    ButtonRow{"Command2",  "全て消す", {4800, 3480, 1575, 615}, kDigit, "全ての欄と答えを消す"},
    ButtonRow{"Command3",  "終了",     {240,  3480, 1215, 615}, kDefault, "電卓を終了する"},
};

inline constexpr FrameRow kFrame{"Frame2", "答えの表示方法", {120, 1200, 1575, 1815}, "答えの表示方法を選ぶ"};

inline constexpr std::array kOptions{
//  option                name       caption   Left Top   Width Height  selected description
    OptionRow{OptionId::Option5, "Option5", "帯分数", {240, 480,  1095, 375}, true, "答えを帯分数で表示する"},
    OptionRow{OptionId::Option6, "Option6", "仮分数", {240, 1080, 1095, 300}, false, "答えを仮分数で表示する"},
};

inline constexpr std::array kMenu{
    MenuCommandRow{"FileExit", "終了"},
    MenuCommandRow{"FileBer", "バージョン情報"},
    MenuCommandRow{"ViewWorking", "途中式"},
    MenuCommandRow{"UseAnswer", "答えを使う"},
    MenuCommandRow{"CheckAnswer", "答え合わせ"},
    MenuCommandRow{"History", "履歴"},
};

inline constexpr std::array<std::string_view, 38> kTabOrder{
    "Command2",  "Command3",  "Label2",    "Label1",    "Label6",    "Label5",    "Label4",
    "Label3",    "Frame2",    "Option5",   "Option6",   "Command1",  "Command4",  "Command5",
    "Command6",  "Command7",  "Command8",  "Command9",  "Command10", "Command11", "Command12",
    "Command13", "Command14", "Command15", "Command16", "Command17", "Command18", "Command19",
    "Command20", "Command21", "Label8",    "Label9",    "Label10",   "Label11",   "Label12",
    "Label7",    "Command22", "Command24",
};
// clang-format on

// How many times a name stands in a list of names.
[[nodiscard]] constexpr int timesNamed(std::string_view name, const auto& names) {
    int times = 0;
    for (const std::string_view other : names) {
        times += other == name ? 1 : 0;
    }
    return times;
}

// Whether every row of the tables is named exactly once among the names.
template <typename Names, typename... Tables>
[[nodiscard]] constexpr bool eachNamedOnce(const Names& names, const Tables&... tables) {
    bool once = true;
    std::size_t rowCount = 0;
    const auto check = [&](const auto& table) {
        for (const auto& row : table) {
            once = once && timesNamed(row.name, names) == 1;
            ++rowCount;
        }
    };
    (check(tables), ...);
    return once && rowCount == std::size(names);
}

} // namespace quorvel::ui::rows
