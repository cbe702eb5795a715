#pragma once

#include <cstdint>

namespace quorvel {

// Every user action that has a handler, named after its control and event. Controls that react
// to nothing (Label1 ... Label6, Frame2, the lines) have no entry here.
enum class Event : std::uint8_t {
    Form_Load,
    Command1_Click,
    Command2_Click,
    Command3_Click,
    Command4_Click,
    Command5_Click,
    Command6_Click,
    Command7_Click,
    Command8_Click,
    Command9_Click,
    Command10_Click,
    Command11_Click,
    Command12_Click,
    Command13_Click,
    Command14_Click,
    Command15_Click,
    Command16_Click,
    Command17_Click,
    Command18_Click,
    Command19_Click,
    Command20_Click,
    Command21_Click,
    Command22_Click,
    Command24_Click,
    Label7_Click,
    Label8_Click,
    Label9_Click,
    Label10_Click,
    Label11_Click,
    Label12_Click,
    Option5_Click,
    Option6_Click,
    FileExit_Click,
    FileBer_Click,
    // 答えを使う: the answer on display becomes the first operand of the next calculation.
    UseAnswer_Click,
    // The working window belongs to the window around Form1, which shows it; Form1 does nothing.
    ViewWorking_Click,
    // 答え合わせ: a window of the session's, like the working's; Form1 does nothing.
    CheckAnswer_Click,
    // 履歴: likewise.
    History_Click,
};

} // namespace quorvel
