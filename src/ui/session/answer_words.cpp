#include "ui/session/answer_words.h"

#include "entry/operator_choice.h"
#include "ui/session/stop_reason.h"
#include "ui/session/working_lines.h"

#include <string_view>

namespace quorvel::session {
namespace {

using learning::ExactValue;
using learning::Mistake;
using learning::Unreadable;
using learning::Verdict;

// The right answer in 帯分数 (「2と6分の1」) or 仮分数 (「6分の13」), as the working says numbers.
std::string spokenAnswer(const ExactValue& value, bool mixed) {
    ShownNumber shown;
    shown.negative = value.negative;
    if (value.numerator == 0) {
        shown.whole = std::to_string(value.whole);
    } else if (mixed && value.whole != 0) {
        shown.whole = std::to_string(value.whole);
        shown.numerator = std::to_string(value.numerator);
        shown.denominator = std::to_string(value.denominator);
    } else {
        // Both parts came from 32-bit values, so the improper numerator stays within 64 bits.
        shown.numerator = std::to_string(value.whole * value.denominator + value.numerator);
        shown.denominator = std::to_string(value.denominator);
    }
    return spokenNumber(shown);
}

std::string_view mistakeWords(Mistake mistake, std::int16_t operatorCode) {
    switch (mistake) {
    case Mistake::DenominatorsCombined:
        return operatorCode == OperatorSubtract
                   ? "分母どうしも引いていませんか。分母は通分してそろえ、分子だけを引きます。"
                   : "分母どうしも足していませんか。分母は通分してそろえ、分子だけを足します。";
    case Mistake::NumeratorsNotScaled:
        return "通分したとき、分子にも分母と同じ数を掛けましたか。";
    case Mistake::BorrowForgotten:
        return "分数の部分が引けないときは、整数の部分から1をくり下げてから引きます。";
    case Mistake::WholePartsSeparately:
        return "整数の部分どうし、分数の部分どうしを別々に掛けていませんか。"
               "帯分数は仮分数に直してから掛けます。";
    case Mistake::NoReciprocal:
        return "割る数の逆数を掛けましたか。÷ のあとの数の分母と分子を入れかえて、× にします。";
    case Mistake::ReciprocalOfDividend:
        return "逆数にするのは、割られる数ではなく、割る数（÷ のあとの数）です。";
    case Mistake::SignOnly:
        return "大きさは合っていますが、符号（マイナス）がちがいます。";
    }
    return "";
}

std::string_view unreadableWords(Unreadable why) {
    switch (why) {
    case Unreadable::Empty:
        return "答えを入れてください。";
    case Unreadable::DenominatorMissing:
        return "分母を入れてください。";
    case Unreadable::NumeratorMissing:
        return "分子を入れてください。";
    case Unreadable::DenominatorZero:
        return "分母に0は使えません。";
    case Unreadable::NotDigits:
        return "数字だけを入れてください。";
    case Unreadable::TooLong:
        return "10けたまでの数を入れてください。";
    }
    return "";
}

} // namespace

std::string verdictWords(const learning::AnswerCheck& check, const Working& working) {
    if (check.verdict == Verdict::NoProblem || !check.rightAnswer) {
        std::string words = "この問題は計算できないので、答え合わせができません。";
        if (working.calculated && working.stop) {
            words += whyNotCalculated(working);
        }
        return words;
    }
    const ExactValue& right = *check.rightAnswer;
    const std::string mixed = spokenAnswer(right, true);
    switch (check.verdict) {
    case Verdict::Right:
        return "正解です。";
    case Verdict::RightNotReduced:
        return "大きさは合っていますが、約分できます。分母と分子を " +
               std::to_string(check.reducesBy) + " で割りましょう。";
    case Verdict::RightImproperPart:
        return "大きさは合っていますが、分数の部分が1以上です。整数の部分にくり上げて" +
               std::string(check.reducesBy > 1 ? "約分" : "") + "すると " + mixed + " です。";
    case Verdict::RightOtherForm:
        return check.suggestsMixed
                   ? "正解です。仮分数でも正しい答えですが、問題が帯分数なので、帯分数の " + mixed +
                         " で答えることが多いです。"
                   : "正解です。帯分数でも正しい答えですが、問題が仮分数なので、仮分数の " +
                         spokenAnswer(right, false) + " で答えることが多いです。";
    case Verdict::RightWholeAsFraction:
        return "大きさは合っていますが、答えは整数です。" + mixed + " と書きましょう。";
    case Verdict::Wrong:
        return "答えがちがいます。" +
               std::string(check.mistake ? mistakeWords(*check.mistake, working.operatorCode)
                                         : "途中式で、どこがちがうか確かめましょう。");
    case Verdict::Unreadable:
        return std::string(unreadableWords(check.unreadable.value_or(Unreadable::Empty)));
    case Verdict::NoProblem:
        break;
    }
    return "";
}

} // namespace quorvel::session
