// What 答え合わせ says: each verdict in the words a pupil reads and hears, with the right
// answer written in the form it is asked for, and why a problem that cannot be calculated
// has no verdict.
#include "ui/session/answer_words.h"

#include "entered_calculation.h"
#include "entry/operator_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel::session {
namespace {

using testing::Entered;

struct Said {
    Entered problem;
    learning::PupilAnswer answer;
    std::string words;
};

std::string wordsFor(const Said& said) {
    testing::MemoryToolkit ui;
    const Working working = testing::calculateEntered(said.problem, ui);
    return verdictWords(learning::checkAnswer(working, said.answer), working);
}

const Entered kOneAndAHalfPlusTwoThirds{"1", "1", "2", OperatorAdd, "", "2", "3"};
const Entered kQuarters{"1", "1", "4", OperatorAdd, "1", "1", "4"};
const Entered kImproperSum{"", "5", "3", OperatorAdd, "", "2", "3"};

TEST(AnswerWords, EachVerdictReadsAsItShould) {
    const std::vector<Said> rows = {
        {kOneAndAHalfPlusTwoThirds, {false, "2", "1", "6"}, "正解です。"},
        {kOneAndAHalfPlusTwoThirds,
         {false, "", "13", "6"},
         "正解です。仮分数でも正しい答えですが、問題が帯分数なので、帯分数の 2と6分の1 "
         "で答えることが多いです。"},
        {kImproperSum,
         {false, "2", "1", "3"},
         "正解です。帯分数でも正しい答えですが、問題が仮分数なので、仮分数の 3分の7 "
         "で答えることが多いです。"},
        {kQuarters,
         {false, "2", "2", "4"},
         "大きさは合っていますが、約分できます。分母と分子を 2 で割りましょう。"},
        {kQuarters,
         {false, "1", "12", "8"},
         "大きさは合っていますが、分数の部分が1以上です。整数の部分にくり上げて約分すると "
         "2と2分の1 です。"},
        {kQuarters,
         {false, "1", "6", "4"},
         "大きさは合っていますが、分数の部分が1以上です。整数の部分にくり上げて約分すると "
         "2と2分の1 です。"},
        {kQuarters,
         {false, "1", "3", "4"},
         "答えがちがいます。途中式で、どこがちがうか確かめましょう。"},
        {{"", "1", "2", OperatorAdd, "", "1", "2"},
         {false, "", "1", "1"},
         "大きさは合っていますが、答えは整数です。1 と書きましょう。"},
        {{"", "1", "2", OperatorDivide, "", "1", "3"},
         {false, "", "1", "6"},
         "答えがちがいます。割る数の逆数を掛けましたか。÷ "
         "のあとの数の分母と分子を入れかえて、× にします。"},
        {{"", "3", "4", OperatorSubtract, "", "1", "2"},
         {false, "1", "", ""},
         "答えがちがいます。分母どうしも引いていませんか。分母は通分してそろえ、分子だけを引きます"
         "。"},
        {{"", "1", "3", OperatorSubtract, "", "1", "2"},
         {false, "", "1", "6"},
         "答えがちがいます。大きさは合っていますが、符号（マイナス）がちがいます。"},
        {kQuarters, {false, "", "3", ""}, "分母を入れてください。"},
        {{"", "1", "2", OperatorDivide, "", "0", "3"},
         {false, "1", "", ""},
         "この問題は計算できないので、答え合わせができません。二つ目の数が0なので、割ることができま"
         "せん。"},
    };
    for (const Said& said : rows) {
        EXPECT_EQ(wordsFor(said), said.words)
            << said.answer.whole << " " << said.answer.numerator << "/" << said.answer.denominator;
    }
}

} // namespace
} // namespace quorvel::session
