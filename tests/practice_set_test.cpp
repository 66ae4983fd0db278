// The teacher's own problems: every way people write a division is read, every line that is
// not a problem for the method is named with its reason, and the set travels as short text.
#include "practice/problem_set.h"
#include "practice/session.h"

#include <gtest/gtest.h>

#include <string>

namespace velmorand {
namespace {

TEST(ProblemSet, ReadsEveryWayOfWritingADivision) {
    const struct {
        const char* Typed;
        const char* Set;
    } Cases[] = {
        {"7240 : 8", "7240:8"},
        {"7240:8", "7240:8"},
        {"7240 ÷ 8", "7240:8"},
        {"7240/8", "7240:8"},
        {"7240 ∶ 8", "7240:8"},
        {"606 459 : 3", "606459:3"},
        {"7240:8,648:6;9156:42\n99:11\r\n", "7240:8,648:6,9156:42,99:11"},
        {" , ;\n 10 : 2 ,,", "10:2"},
        {"999999 : 999", "999999:999"},
    };
    for (const auto& [typed, set] : Cases) {
        const SetReading read = ReadProblemSet(typed);
        EXPECT_TRUE(read.Good()) << typed << " " << SetErrorText(read);
        EXPECT_EQ(SetText(read.Problems), set) << typed;
        EXPECT_EQ(SetText(ReadProblemSet(SetText(read.Problems)).Problems), set);
    }
}

TEST(ProblemSet, NamesEachBadLineWithItsReasonAndMakesNoSet) {
    const struct {
        std::string Typed;
        const char* Reason;
    } Cases[] = {
        {"5 : 0", "5 : 0 — на ноль делить нельзя"},
        {"1234567 : 8", "1234567 : 8 — в делимом больше 6 цифр"},
        {"7 : 3", "7 : 3 — в делимом меньше 2 цифр"},
        {"45678 : 1234", "45678 : 1234 — в делителе больше 3 цифр"},
        {"45 : 1", "45 : 1 — на 1 делить в столбик незачем"},
        {"12 : 45", "12 : 45 — делимое меньше делителя"},
        {"0724 : 8", "0724 : 8 — число не может начинаться с нуля"},
        {"72 : 8 : 2", "72 : 8 : 2 — это не пример"},
        {"сорок : 8", "сорок : 8 — это не пример"},
        {"7240", "7240 — это не пример"},
        {"", "Напиши хотя бы один пример"},
        {std::string(1000000, '7') + ":8", "7777777777777777777777…"},
        {"72:8\x01\xFF", "72:8 ? — это не пример"},
    };
    for (const auto& [typed, reason] : Cases) {
        const SetReading read = ReadProblemSet(typed.empty() ? typed : "648 : 6\n" + typed);
        EXPECT_FALSE(read.Good()) << typed.substr(0, 20);
        EXPECT_TRUE(read.Problems.empty());
        EXPECT_NE(SetErrorText(read).find(reason), std::string::npos) << SetErrorText(read);
    }
}

TEST(ProblemSet, HoldsAtMostTwentyAndListsAFewReasons) {
    std::string twenty;
    for (int i = 0; i < MostSetProblems; ++i)
        twenty += "72:8,";
    EXPECT_TRUE(ReadProblemSet(twenty).Good());
    EXPECT_NE(SetErrorText(ReadProblemSet(twenty + "72:8")).find("больше 20"), std::string::npos);
    std::string bad;
    for (int i = 0; i < 1000; ++i)
        bad += "5:0\n";
    const SetReading read = ReadProblemSet(bad);
    EXPECT_LE(read.Errors.size(), 6u);
    EXPECT_NE(SetErrorText(read).find("995"), std::string::npos);
}

TEST(ProblemSet, TravelsInAnAddress) {
    const std::string set = "7240:8,648:6,9156:42";
    for (const std::string& address :
         {"velmorand-practice.html#set=" + set, "file:///D:/velmorand-practice.html#set=" + set,
          std::string("#set=7240%3A8%2C648%3A6%2C9156%3A42"),
          "https://x.example/p.html?a=1#level=5&set=" + set, set})
        EXPECT_EQ(SetTextInAddress(address), set) << address;
    EXPECT_EQ(SetTextInAddress("#set=%E2%88%B6%2"), "∶%2");
    EXPECT_NE(SetFingerprint(ReadProblemSet("72:8,648:6").Problems),
              SetFingerprint(ReadProblemSet("648:6,72:8").Problems));
}

} // namespace
} // namespace velmorand
