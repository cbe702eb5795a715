#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

// The labels of the window, numbered as the window names them (Label1 ... Label12).
enum class LabelId : std::uint8_t {
    Label1 = 1,
    Label2,
    Label3,
    Label4,
    Label5,
    Label6,
    Label7,
    Label8,
    Label9,
    Label10,
    Label11,
    Label12,
};

enum class LineId : std::uint8_t { Line1 = 1, Line2, Line3 };

enum class OptionId : std::uint8_t { Option5 = 5, Option6 };

// A colour written &HBBGGRR: the low byte is red.
using Colour = std::uint32_t;

enum class MessageIcon : std::uint8_t { Information, Error };

// The title of every box that reports an error, from the calculation or at run time.
inline constexpr std::string_view ErrorBoxTitle = "エラーメッセージ";

// What the user is told of a fault of the program itself (anything but a run-time error of the
// calculation), before the window ends: it can no longer be trusted to show the right answer.
inline constexpr std::string_view FaultText =
    "予期しないエラーが発生したため、Quorvel を終了します。";

enum class RuntimeErrorKind : std::uint8_t { Overflow, DivisionByZero };

// What the calculator needs from the windowing toolkit. The program logic sees the window only
// through these operations, so it can run against the real widgets or against an in-memory
// stand-in. Every call happens on the user-interface thread and completes before it returns.
class Toolkit {
public:
    Toolkit() = default;
    Toolkit(const Toolkit&) = delete;
    Toolkit& operator=(const Toolkit&) = delete;
    Toolkit(Toolkit&&) = delete;
    Toolkit& operator=(Toolkit&&) = delete;
    virtual ~Toolkit() = default;

    // Exactly the text last written, else the caption the label was created with.
    [[nodiscard]] virtual std::string caption(LabelId label) const = 0;
    virtual void setCaption(LabelId label, std::string_view text) = 0;
    virtual void setBackColour(LabelId label, Colour colour) = 0;
    virtual void setLineVisible(LineId line, bool visible) = 0;
    [[nodiscard]] virtual bool optionSelected(OptionId option) const = 0;
    // Modal: returns once the user has closed the box. Lines are separated by "\r" alone.
    virtual void messageBox(std::string_view text, std::string_view title, MessageIcon icon) = 0;
    // Closes the window; the program ends once the running handler returns.
    virtual void unload() = 0;
    // Told before a run-time error is presented, so observers can tell it from other boxes.
    virtual void runtimeErrorRaised(RuntimeErrorKind /*kind*/) {}
};

} // namespace quorvel
