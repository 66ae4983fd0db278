// The teacher's code: what it carries comes back, a mistyped or swapped character and a code
// of other problems are refused, and it is short and plain to read.
#include "practice/class_journal.h"
#include "practice/problem_set.h"
#include "practice/result_code.h"
#include "practice/sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmorand {
namespace {

std::vector<Problem> SetOf(std::string_view text) { return ReadProblemSet(text).Problems; }

// A spread of works: from nothing done to every count at the most the code holds.
std::vector<WorkDone> Works(int problems, int count = 300) {
    std::vector<WorkDone> works;
    for (int i = 0; i < count; ++i) {
        WorkDone work{i % (problems + 1), (i * 7) % 60, i % (MostCodedHints + 1), {}};
        for (int group = 0; group < MistakeGroupCount; ++group)
            work.Mistakes[group] = (i / (group + 1)) % (MostCodedMistakes + 1);
        works.push_back(work);
    }
    return works;
}

// The code's characters, without the dashes between its groups.
std::vector<std::string> CharactersOf(const std::string& code) {
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < code.size();) {
        const std::size_t length = static_cast<unsigned char>(code[i]) < 0x80 ? 1 : 2;
        if (code[i] != '-')
            characters.push_back(code.substr(i, length));
        i += length;
    }
    return characters;
}

std::string Joined(const std::vector<std::string>& characters) {
    std::string code;
    for (const std::string& c : characters)
        code += c;
    return code;
}

const std::vector<std::vector<Problem>> Sources = {
    SetOf("7240:8,648:6,9156:42"),
    SetOf("90:3"),
    SheetVariantProblems(5, 42),
    SheetVariantProblems(10, 999999),
};

TEST(ResultCode, EveryWorkComesBackFromItsCode) {
    for (const auto& problems : Sources)
        for (const WorkDone& work : Works(static_cast<int>(problems.size()))) {
            const std::string code = ResultCode(problems, work);
            EXPECT_EQ(CharactersOf(code).size(), std::size_t(CodeLength)) << code;
            const CodeReading read = ReadResultCode(problems, code);
            ASSERT_EQ(read.Fault, CodeFault::None) << code << " " << read.Message;
            EXPECT_EQ(read.Work, CodedWork(problems, work)) << code;
        }
}

TEST(ResultCode, CountsBeyondWhatTheCodeHoldsAreItsMost) {
    const auto& problems = Sources[0];
    WorkDone lots{99, 99999, 99, {}};
    lots.Mistakes.fill(50);
    const WorkDone coded = ReadResultCode(problems, ResultCode(problems, lots)).Work;
    EXPECT_EQ(coded.Solved, 3);
    EXPECT_EQ(coded.Hints, MostCodedHints);
    EXPECT_EQ(coded.Mistakes[4], MostCodedMistakes);
    EXPECT_LT(coded.FirstTry, 99999);
}

// The check's promise, tried over every character of a sample of codes: each other character
// of the alphabet in its place, and each pair of different neighbours swapped.
TEST(ResultCode, EveryMistypedCharacterAndSwappedPairIsRefused) {
    const std::vector<std::string> alphabet = CharactersOf(std::string(CodeAlphabet));
    ASSERT_EQ(alphabet.size(), std::size_t(CodeAlphabetSize));
    int tried = 0;
    for (const auto& problems : Sources)
        for (const WorkDone& work : Works(static_cast<int>(problems.size()), 60)) {
            const std::vector<std::string> code = CharactersOf(ResultCode(problems, work));
            for (std::size_t i = 0; i < code.size(); ++i) {
                for (const std::string& other : alphabet) {
                    if (other == code[i])
                        continue;
                    std::vector<std::string> typo = code;
                    typo[i] = other;
                    EXPECT_EQ(ReadResultCode(problems, Joined(typo)).Fault, CodeFault::Mistyped);
                    ++tried;
                }
                if (i + 1 < code.size() && code[i] != code[i + 1]) {
                    std::vector<std::string> swapped = code;
                    std::swap(swapped[i], swapped[i + 1]);
                    EXPECT_EQ(ReadResultCode(problems, Joined(swapped)).Fault, CodeFault::Mistyped);
                    ++tried;
                }
            }
        }
    EXPECT_GT(tried, 50000);
}

// A code of other problems reads as one of them only by chance: less than once in a thousand
// codes, here counted over the works of two sets and two variants read against each other.
TEST(ResultCode, CodesOfOtherProblemsAreRefused) {
    int read = 0;
    int refused = 0;
    for (const auto& mine : Sources)
        for (const auto& theirs : Sources) {
            if (&mine == &theirs)
                continue;
            for (const WorkDone& work : Works(static_cast<int>(theirs.size()))) {
                ++read;
                const CodeReading other = ReadResultCode(mine, ResultCode(theirs, work));
                refused += other.Message.find("другого варианта") != std::string::npos;
            }
        }
    EXPECT_GE(refused, read * 999 / 1000);
}

TEST(ResultCode, ReadsWhatTheTeacherTypesAndSaysWhatIsWrong) {
    const auto& problems = Sources[0];
    const WorkDone work{2, 17, 1, {0, 1, 0, 0, 1, 0}};
    const std::string code = ResultCode(problems, work);
    std::string lower;
    for (const std::string& c : CharactersOf(code)) // small letters, and spaces between
        lower += (c.size() == 2 ? std::string{c[0], static_cast<char>(c[1] + 0x20)} : c) + " ";
    const struct {
        std::string Typed;
        CodeFault Fault;
    } Cases[] = {
        {code, CodeFault::None},
        {"  " + code + "  ", CodeFault::None},
        {Joined(CharactersOf(code)), CodeFault::None},
        {"", CodeFault::Empty},
        {" - ", CodeFault::Empty},
        {code + "7", CodeFault::Length},
        {code.substr(0, 5), CodeFault::Length},
        {code + "Q", CodeFault::Character},
        {"\x01" + code, CodeFault::Character},
        {std::string(1000000, '7'), CodeFault::Length},
    };
    for (const auto& [typed, fault] : Cases) {
        const CodeReading read = ReadResultCode(problems, typed);
        EXPECT_EQ(read.Fault, fault) << typed.substr(0, 40);
        EXPECT_EQ(read.Message.empty(), fault == CodeFault::None) << read.Message;
        EXPECT_LT(read.Message.size(), 200u);
    }
    EXPECT_EQ(ReadResultCode(problems, code).Work, work);
}

// A code pasted far too long is refused for its length, in the journal as by itself.
// A code far too long to be one is refused whole and adds nothing; one a little too long is
// added, and its row says how long a code is.
TEST(ResultCode, TheJournalRefusesALongCodeForItsLength) {
    ClassJournal journal;
    ASSERT_TRUE(ChooseJournalProblems(journal, "5 42").Changed);
    const JournalChange far = AddPupil(journal, "Петя", std::string(1000000, '7'));
    EXPECT_FALSE(far.Changed);
    EXPECT_NE(far.Message.find("знаков"), std::string::npos);
    EXPECT_TRUE(journal.Rows.empty());
    AddPupil(journal, "Петя", std::string(11, '7') + " К");
    ASSERT_EQ(journal.Rows.size(), 1u);
    const CodeReading kept = ReadResultCode(Sources[2], journal.Rows.back().Code);
    EXPECT_EQ(kept.Fault, CodeFault::Length);
    EXPECT_EQ(journal.Rows.back().Message, kept.Message);
}

TEST(ResultCode, IsTenCharactersInThreeGroupsAndSaidOneAtATime) {
    const std::string code = ResultCode(Sources[2], {3, 40, 2, {1, 0, 2, 0, 0, 0}});
    const std::vector<std::string> characters = CharactersOf(code);
    std::vector<std::size_t> groups{0};
    for (std::size_t i = 0; i < code.size();
         i += static_cast<unsigned char>(code[i]) < 0x80 ? 1 : 2)
        if (code[i] == '-')
            groups.push_back(0);
        else
            ++groups.back();
    EXPECT_EQ(groups, (std::vector<std::size_t>{3, 3, 4})) << code;
    const std::string spoken = SpokenCode(code);
    for (const std::string& c : characters)
        EXPECT_NE(spoken.find(c), std::string::npos);
    EXPECT_EQ(spoken.find('-'), std::string::npos);
    // Every character but the last is followed by a comma or, at a group's end, a full stop.
    EXPECT_EQ(std::count(spoken.begin(), spoken.end(), ',') +
                  std::count(spoken.begin(), spoken.end(), '.'),
              CodeLength);
}

} // namespace
} // namespace velmorand
