// The teacher's class journal: codes read at once against the chosen problems, what the class
// did, and what she keeps of it.
#include "practice/class_journal.h"
#include "practice/problem_set.h"
#include "practice/sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmorand {
namespace {

using namespace std::string_view_literals;

const WorkDone Anya{2, 30, 1, {0, 1, 3, 0, 1, 0}};
const WorkDone Kolya{4, 50, 0, {0, 0, 1, 0, 0, 0}};

std::string CodeFor(std::string_view choice, const WorkDone& work) {
    return ResultCode(ReadJournalProblems(choice).Problems, work);
}

// A code with its last character changed to another of the alphabet.
std::string Mistyped(std::string code) {
    const bool digit = static_cast<unsigned char>(code.back()) < 0x80;
    const std::string other = digit && code.back() == '1' ? "2" : "1";
    return code.substr(0, code.size() - (digit ? 1 : 2)) + other;
}

ClassJournal ClassOf(std::string_view choice) {
    ClassJournal journal;
    EXPECT_TRUE(ChooseJournalProblems(journal, choice).Changed);
    EXPECT_TRUE(AddPupil(journal, "Аня", CodeFor(choice, Anya)).Changed);
    EXPECT_TRUE(AddPupil(journal, "Коля", CodeFor(choice, Kolya)).Changed);
    AddPupil(journal, "Петя", Mistyped(CodeFor(choice, Kolya)));
    AddPupil(journal, "Маша", "");
    return journal;
}

TEST(ClassJournal, ChoosesAVariantOrASet) {
    EXPECT_EQ(ReadJournalProblems("5 42").Problems, SheetVariantProblems(5, 42));
    EXPECT_EQ(ReadJournalProblems("уровень 5, вариант 42").Problems, SheetVariantProblems(5, 42));
    const auto set = ReadProblemSet("7240:8,648:6").Problems;
    EXPECT_EQ(ReadJournalProblems("file:///velmorand-practice.html#set=7240:8,648:6").Problems,
              set);
    EXPECT_EQ(ReadJournalProblems("7240 : 8; 648 : 6").Problems, set);
    for (const std::string& bad : std::vector<std::string>{"", "5", "12 1", "5 0", "5 : 0",
                                                           "5\x01 42", std::string(1000000, 'x')}) {
        ClassJournal journal = ClassOf("5 42");
        const JournalChange change = ChooseJournalProblems(journal, bad);
        EXPECT_FALSE(change.Changed);
        EXPECT_FALSE(change.Message.empty()) << bad;
        EXPECT_EQ(journal.Problems.Problems, SheetVariantProblems(5, 42));
    }
}

TEST(ClassJournal, ReadsEachCodeAtOnce) {
    const ClassJournal journal = ClassOf("5 42");
    ASSERT_EQ(journal.Rows.size(), 4u);
    EXPECT_EQ(journal.Rows[0].Work, Anya);
    EXPECT_EQ(journal.Rows[2].State, RowState::Refused);
    EXPECT_EQ(journal.Rows[3].State, RowState::Missing);
    const JournalTotals totals = TotalsOf(journal);
    EXPECT_EQ(totals.Sum.Solved, 6);
    EXPECT_EQ(totals.Sum.Mistakes[2], 4);
    EXPECT_EQ(ChartOf(totals).front().Group, MistakeGroup::Multiplication);
    EXPECT_EQ(MissingText(journal), "Не сдали код: Петя, Маша.");
    EXPECT_NE(RowSummary(journal.Rows[0]).find("умножение 3"), std::string::npos);
    EXPECT_NE(RowSummary(journal.Rows[2]).find("ошибка"), std::string::npos);
    // A code of another variant is refused there, and counts once its own is chosen.
    ClassJournal other = ClassOf("5 43");
    AddPupil(other, "Аня", CodeFor("5 42", Anya));
    EXPECT_EQ(other.Rows[0].State, RowState::Refused);
    ChooseJournalProblems(other, "5 42");
    EXPECT_EQ(other.Rows[0].Work, Anya);
}

TEST(ClassJournal, TakesAPastedListAndRefusesWhatIsTooMuch) {
    ClassJournal journal;
    ChooseJournalProblems(journal, "5 42");
    const std::string list = "Аня Иванова " + CodeFor("5 42", Anya) + "\nКоля\n\n Петя  Сидоров  " +
                             CodeFor("5 42", Kolya);
    EXPECT_TRUE(AddPupil(journal, list, "").Changed);
    ASSERT_EQ(journal.Rows.size(), 3u);
    EXPECT_EQ(journal.Rows[0].Name, "Аня Иванова");
    EXPECT_EQ(journal.Rows[2].Name, "Петя Сидоров");
    EXPECT_EQ(journal.Rows[2].Work, Kolya);
    std::string thousand;
    for (int i = 0; i < 1000; ++i)
        thousand += "Ученик" + std::to_string(i) + "\n";
    // What cannot be a pupil is refused whole, not cut or cleaned into one.
    const std::string kept = JournalStoreText(journal);
    const std::string code = CodeFor("5 42", Kolya);
    for (const auto& [name, typed] : std::vector<std::pair<std::string, std::string>>{
             {thousand, ""},
             {"", "1"},
             {"\x01\x02", ""},
             {std::string(1000000, 'x'), ""},
             {"Вова", std::string(1000000, '7')},
             {"Вова", code + "\x1b"},
             {"Вова\n" + std::string(200, 'x') + " " + code + "\n", ""},
             {"Вова\nГа\x7Fля\n", ""}}) {
        const JournalChange change = AddPupil(journal, name, typed);
        EXPECT_FALSE(change.Changed) << name.substr(0, 20);
        EXPECT_FALSE(change.Message.empty());
        EXPECT_EQ(JournalStoreText(journal), kept);
    }
    // A tab, as a spreadsheet's copied cells have, is no control character.
    EXPECT_TRUE(AddPupil(journal, "Вова\tПетров\nГаля " + code + "\n", "").Changed);
    EXPECT_EQ(journal.Rows.size(), 5u);
}

TEST(ClassJournal, SavesAsASpreadsheetTheOfficeReads) {
    ClassJournal journal = ClassOf("5 42");
    AddPupil(journal, "=HYPERLINK(\"x\";\"y\")", "");
    const std::string csv = JournalCsv(journal);
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(csv.substr(3, csv.find("\r\n") - 3).find(JournalColumns()[0].Header), 0u);
    EXPECT_NE(csv.find("Аня;2;30;1;0;1;3;0;1;0;"), std::string::npos);
    EXPECT_NE(csv.find("\"'=HYPERLINK(\"\"x\"\";\"\"y\"\")\""), std::string::npos);
    EXPECT_NE(csv.find("Всего;6;80;1;"), std::string::npos);
}

TEST(ClassJournal, SaysEachCellWithoutASignAScreenReaderWouldReadAloud) {
    ClassJournal journal = ClassOf("5 42");
    AddPupil(journal, "Вова", "код№1-Ы"); // typed by hand: any character is said whole
    for (const JournalRow& row : journal.Rows)
        for (const JournalColumn& column : JournalColumns()) {
            const std::string shown = column.Cell(row);
            const std::string said = column.Said(row);
            EXPECT_EQ(said.find_first_of(":-"), std::string::npos) << said;
            if (shown.find_first_of(":-") == std::string::npos && column.Header != "Код"sv) {
                EXPECT_EQ(said, shown);
            }
        }
    const JournalColumn& code = JournalColumns()[JournalColumns().size() - 2];
    EXPECT_EQ(code.Said(journal.Rows.back()), "к, о, д, №, 1. Ы.");
}

TEST(ClassJournal, KeepsTheClassOnlyAsAskedAndADamagedStoreIsAFreshStart) {
    const ClassJournal journal = ClassOf("7240:8,648:6");
    const ClassJournal back = JournalFromStoreText(JournalStoreText(journal));
    ASSERT_EQ(back.Rows.size(), journal.Rows.size());
    EXPECT_EQ(back.Rows[1].Work, CodedWork(journal.Problems.Problems, Kolya));
    EXPECT_EQ(back.Problems.Problems, journal.Problems.Problems);
    const std::string kept = JournalStoreText(journal);
    for (const std::string& damaged : std::vector<std::string>{
             std::string(), kept.substr(0, 10), "velmorand-class 9\n5 42\n", kept + "no tab\n",
             kept + kept.substr(kept.find('\n', 20) + 1), std::string(1000000, '\n')})
        EXPECT_TRUE(JournalFromStoreText(damaged).Rows.empty());
}

} // namespace
} // namespace velmorand
