// What the teacher types or pastes into the class journal that cannot be a pupil: each is
// refused whole, with a reason, and the journal stays as it was.
#include "practice/class_journal.h"
#include "practice/sheet.h"

#include <gtest/gtest.h>

#include <string>

namespace velmorand {
namespace {

std::string Lines(int count) {
    std::string list;
    for (int i = 0; i < count; ++i)
        list += "Ученик " + std::string(1, char('A' + i % 26)) + std::to_string(i) + "\n";
    return list;
}

TEST(ClassJournal, BadInputIsRefusedWholeAndChangesNothing) {
    ClassJournal journal;
    ASSERT_TRUE(ChooseJournalProblems(journal, "5 42").Changed);
    const std::string code = ResultCode(SheetVariantProblems(5, 42), {2, 10, 1, {}});
    ASSERT_TRUE(AddPupil(journal, "Иванов Петя", code).Changed);
    const std::string kept = JournalStoreText(journal);
    const struct {
        std::string Name, Code;
    } typed[] = {
        {std::string(1'000'000, 'a'), ""},
        {"Петров Коля", std::string(1'000'000, '7')},
        {"Пет\x01ров", ""},
        {"Петров", code + "\x1b"},
        {Lines(1000), ""},
        {"Петров Коля\n" + std::string(200, 'b') + " " + code + "\n", ""},
        {"Сидорова Аня\nПет\x7Fров\n", ""},
    };
    for (const auto& [name, pupilCode] : typed) {
        const JournalChange change = AddPupil(journal, name, pupilCode);
        EXPECT_FALSE(change.Changed) << name.substr(0, 40);
        EXPECT_FALSE(change.Message.empty()) << name.substr(0, 40);
        EXPECT_EQ(change.Announcement, change.Message);
        EXPECT_EQ(JournalStoreText(journal), kept);
    }
    for (const std::string& choice : {std::string("5\x01 42"), std::string(1'000'000, '5')})
        EXPECT_FALSE(ChooseJournalProblems(journal, choice).Changed);
    EXPECT_EQ(JournalStoreText(journal), kept);
    // A tab, as a spreadsheet's copied cells have, is no control character to refuse.
    EXPECT_TRUE(AddPupil(journal, "Петров\tКоля\nСидорова Аня " + code + "\n", "").Changed);
    EXPECT_EQ(journal.Rows.size(), 3u);
}

} // namespace
} // namespace velmorand
