#include "ui/session/working_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace quorvel::session {
namespace {

// Sizes in proportion to the face, so the working scales with the display.
struct Metrics {
    int row = 0;      // height of one row of text
    int padding = 0;  // around a line, and between caption and numbers
    int gap = 0;      // between the pieces of a line
    int bar = 0;      // thickness of a fraction bar
    int barSpace = 0; // between the bar and the numbers above and below it
};

Metrics metricsOf(double pixelSize) {
    Metrics m;
    m.row = static_cast<int>(std::ceil(pixelSize * 1.3));
    m.padding = std::max(2, static_cast<int>(std::lround(pixelSize * 0.5)));
    m.gap = std::max(2, static_cast<int>(std::lround(pixelSize * 0.35)));
    m.bar = std::max(1, static_cast<int>(std::lround(pixelSize / 12)));
    m.barSpace = std::max(1, static_cast<int>(std::lround(pixelSize / 8)));
    return m;
}

// A piece of a line: a text, or a fraction stacked over its bar. Pieces sit on one axis: the
// middle of a text and a fraction's bar.
struct Piece {
    std::string text; // for a text
    std::string numerator;
    std::string denominator;
    bool stacked = false;
    bool word = false; // part of the words after the numbers: runs on without a gap
    int width = 0;
    int above = 0; // from the axis up
    int below = 0; // from the axis down
};

// Japanese line-breaking: an opening bracket never ends a line and a closing bracket or 、。
// never begins one, so each is kept with the word beside it.
bool opensBracket(std::string_view word) {
    constexpr std::array<std::string_view, 6> kOpening{"（", "「", "『", "［", "【", "〈"};
    return std::find(kOpening.begin(), kOpening.end(), word) != kOpening.end();
}

bool mayNotBeginALine(std::string_view word) {
    constexpr std::array<std::string_view, 10> kClosing{"）", "」", "』", "］", "】",
                                                        "〉", "、", "。", "！", "？"};
    return std::find(kClosing.begin(), kClosing.end(), word) != kClosing.end();
}

std::vector<std::string> keptTogether(const std::vector<std::string>& words) {
    std::vector<std::string> kept;
    std::string opening; // brackets waiting for the word they open
    for (const std::string& word : words) {
        if (opensBracket(word)) {
            opening += word;
        } else if (mayNotBeginALine(word) && opening.empty() && !kept.empty()) {
            kept.back() += word;
        } else {
            kept.push_back(opening + word);
            opening.clear();
        }
    }
    if (!opening.empty()) {
        kept.push_back(opening);
    }
    return kept;
}

// Words broken where a line may break: between Japanese characters, never inside a run of
// digits or Latin letters, so a number is never split.
std::vector<std::string> wrappedWords(const std::string& text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = i + 1;
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80 &&
                   text[end] != ' ' && text[i] != ' ') {
                ++end;
            }
        } else {
            while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
                ++end;
            }
        }
        words.push_back(text.substr(i, end - i));
        i = end;
    }
    return keptTogether(words);
}

class Layouter {
public:
    Layouter(const WorkingFont& font, int maxWidth)
        : font_(font)
        , m_(metricsOf(font.pixelSize))
        , maxWidth_(maxWidth) {}

    [[nodiscard]] int advance(std::string_view text) const {
        if (text.empty()) {
            return 0;
        }
        return static_cast<int>(std::ceil(font_.measure(text, font_.pixelSize).advance));
    }

    [[nodiscard]] Piece textPiece(std::string text) const {
        Piece piece;
        piece.width = advance(text);
        piece.text = std::move(text);
        piece.above = m_.row / 2;
        piece.below = m_.row - piece.above;
        return piece;
    }

    [[nodiscard]] Piece fractionPiece(const ShownNumber& number) const {
        Piece piece;
        piece.stacked = true;
        piece.numerator = number.numerator;
        piece.denominator = number.denominator;
        piece.width =
            std::max({advance(number.numerator), advance(number.denominator), advance("0")}) +
            2 * m_.barSpace;
        piece.above = m_.row + m_.barSpace + m_.bar / 2;
        piece.below = m_.bar - m_.bar / 2 + m_.barSpace + m_.row;
        return piece;
    }

    [[nodiscard]] std::vector<Piece> piecesOf(const WorkingLine& line) const {
        std::vector<Piece> pieces;
        for (std::size_t i = 0; i < line.numbers.size(); ++i) {
            const ShownNumber& number = line.numbers[i];
            if (i > 0 && i - 1 < line.between.size()) {
                pieces.push_back(textPiece(line.between[i - 1]));
            }
            std::string front = number.negative ? "-" : "";
            front += number.whole;
            if (!front.empty() || !number.hasFraction()) {
                pieces.push_back(textPiece(front.empty() ? "0" : front));
            }
            if (number.hasFraction()) {
                pieces.push_back(fractionPiece(number));
            }
        }
        for (std::string& word : wrappedWords(line.text)) {
            pieces.push_back(textPiece(std::move(word)));
            pieces.back().word = true;
        }
        return pieces;
    }

    LaidOutLine layOut(const WorkingLine& line, int captionColumn, bool captionAbove) {
        LaidOutLine out;
        int top = m_.padding;
        int left = m_.padding;
        if (!line.caption.empty()) {
            out.ink.push_back(
                {line.caption, {m_.padding, m_.padding, advance(line.caption), m_.row}});
            if (captionAbove) {
                top += m_.row;
                left += m_.padding;
            } else {
                left += captionColumn;
            }
        }
        const int firstAxis = placePieces(piecesOf(line), left, top, out);
        if (!line.caption.empty() && !captionAbove && firstAxis > 0) {
            // Beside its numbers, the caption reads on the same axis as their first row.
            out.ink.front().box.y = firstAxis - m_.row / 2;
        }
        out.height = std::max(out.height, top + m_.row) + m_.padding;
        for (const Ink& ink : out.ink) {
            width_ = std::max(width_, ink.box.x + ink.box.width + m_.padding);
        }
        for (const PixelRect& bar : out.bars) {
            width_ = std::max(width_, bar.x + bar.width + m_.padding);
        }
        return out;
    }

    // Pieces left to right, on as many rows as the width needs. Words that follow each other are
    // drawn as one run.
    // Returns the axis of the first row, 0 for none.
    int placePieces(const std::vector<Piece>& pieces, int left, int top, LaidOutLine& out) const {
        int firstAxis = 0;
        const int right = std::max(left + 1, maxWidth_ - m_.padding);
        const auto space = [&pieces, this](std::size_t i) {
            return i + 1 < pieces.size() && pieces[i].word && pieces[i + 1].word ? 0 : m_.gap;
        };
        std::size_t first = 0;
        while (first < pieces.size()) {
            std::size_t end = first;
            int x = left;
            while (end < pieces.size() && (end == first || x + pieces[end].width <= right)) {
                x += pieces[end].width + space(end);
                ++end;
            }
            int above = 0;
            int below = 0;
            for (std::size_t i = first; i < end; ++i) {
                above = std::max(above, pieces[i].above);
                below = std::max(below, pieces[i].below);
            }
            const int axis = top + above;
            firstAxis = firstAxis == 0 ? axis : firstAxis;
            x = left;
            for (std::size_t i = first; i < end; ++i) {
                draw(pieces[i], x, axis, out, i > first && pieces[i - 1].word && pieces[i].word);
                x += pieces[i].width + space(i);
            }
            top = axis + below;
            out.height = std::max(out.height, top);
            first = end;
        }
        return firstAxis;
    }

    void draw(const Piece& piece, int x, int axis, LaidOutLine& out, bool joinWithLast) const {
        if (!piece.stacked) {
            if (joinWithLast && !out.ink.empty()) {
                out.ink.back().text += piece.text;
                out.ink.back().box.width += piece.width;
                return;
            }
            out.ink.push_back({piece.text, {x, axis - m_.row / 2, piece.width, m_.row}});
            return;
        }
        const int barTop = axis - m_.bar / 2;
        const auto centred = [&](const std::string& text, int y) {
            const int w = advance(text);
            out.ink.push_back({text, {x + (piece.width - w) / 2, y, w, m_.row}});
        };
        centred(piece.numerator, barTop - m_.barSpace - m_.row);
        out.bars.push_back({x, barTop, piece.width, m_.bar});
        centred(piece.denominator, barTop + m_.bar + m_.barSpace);
    }

    [[nodiscard]] const Metrics& metrics() const { return m_; }
    [[nodiscard]] int width() const { return width_; }

private:
    const WorkingFont& font_;
    Metrics m_;
    int maxWidth_;
    int width_ = 0;
};

} // namespace

int WorkingLayout::height() const {
    return std::accumulate(lines.begin(), lines.end(), 0,
                           [](int sum, const LaidOutLine& line) { return sum + line.height; });
}

int workingTextWidth(int screenWidth, double pixelSize) {
    return std::max(0, std::min(screenWidth - static_cast<int>(std::lround(4 * pixelSize)),
                                static_cast<int>(std::lround(48 * pixelSize))));
}

int workingListHeight(const WorkingLayout& layout, int available) {
    int height = 0;
    for (const LaidOutLine& line : layout.lines) {
        if (height + line.height > available) {
            // At least one step, however small the screen.
            return std::max(height, layout.lines.front().height);
        }
        height += line.height;
    }
    return height;
}

WorkingLayout layOutWorking(const std::vector<WorkingLine>& lines, const WorkingFont& font,
                            int maxWidth) {
    Layouter layouter(font, maxWidth);
    const Metrics& m = layouter.metrics();
    int captionColumn = 0;
    int widestNumbers = 0;
    for (const WorkingLine& line : lines) {
        captionColumn = std::max(captionColumn, layouter.advance(line.caption) + 2 * m.padding);
        int numbers = 0;
        for (const ShownNumber& number : line.numbers) {
            numbers +=
                layouter.advance(number.whole) +
                std::max(layouter.advance(number.numerator), layouter.advance(number.denominator)) +
                4 * m.gap;
        }
        widestNumbers = std::max(widestNumbers, numbers);
    }
    // The caption goes above its numbers when the column would leave them too little room.
    const bool captionAbove = captionColumn + widestNumbers + 2 * m.padding > maxWidth;
    WorkingLayout layout;
    for (const WorkingLine& line : lines) {
        layout.lines.push_back(layouter.layOut(line, captionColumn, captionAbove));
    }
    layout.width = layouter.width();
    return layout;
}

} // namespace quorvel::session
