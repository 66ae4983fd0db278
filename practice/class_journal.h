// The teacher's class journal: which variant or set she collects codes for, a row per pupil
// with the name she gives and the code he handed in, and what the class did. Names are hers
// alone: the pupil's program never sees one, and the journal keeps them only where she asks.
#pragma once

#include "problems.h"
#include "result_code.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmorand {

inline constexpr int MostPupils = 45;
inline constexpr std::size_t MostNameCharacters = 60;

// The problems the codes are about: a level's variant as its sheet has it, or a set.
struct JournalProblems {
    std::vector<Problem> Problems{};
    std::string Title{}; // "Уровень 5: длинное делимое, вариант 42, примеров 8"
    std::string Error{}; // why the text names no variant or set, or ""
};

// "5 42", "уровень 5, вариант 42", the practice page's address with "#set=", or a set's text.
JournalProblems ReadJournalProblems(std::string_view typed);

enum class RowState { Counted, Missing, Refused };

struct JournalRow {
    std::string Name{};
    std::string Code{}; // as typed, cleaned; "" while not handed in
    RowState State = RowState::Missing;
    WorkDone Work{};       // when counted
    std::string Message{}; // why a code is refused
};

struct ClassJournal {
    std::string Choice{}; // what chose the problems, as typed
    JournalProblems Problems{};
    std::vector<JournalRow> Rows{};
};

// What an action changed, and the one text a screen reader is told.
struct JournalChange {
    bool Changed = false;
    std::string Message{}; // "" when all went well, else what went wrong, in Russian
    std::string Announcement{};
};

// The variant or set chosen: every code already typed is read again against it.
JournalChange ChooseJournalProblems(ClassJournal& journal, std::string_view typed);

// A pupil's name and code; a name already in the journal gets the new code. The name may
// also be a pasted list, a line "name code" per pupil, with the code left empty. A pupil with
// no code is one who has not handed it in. Bad lines change nothing and say why.
JournalChange AddPupil(ClassJournal& journal, std::string_view name, std::string_view code);

// The journal emptied of its pupils, as «Забыть класс» leaves it.
void ForgetPupils(ClassJournal& journal);

// What the row says, shown in its last cell and told to a screen reader: "Иванов Петя:
// решено 2, с первой попытки 31, подсказок 1, ошибки: снос цифр и нули 1."
std::string RowSummary(const JournalRow& row);

// The class's totals over the counted rows.
struct JournalTotals {
    int Pupils = 0;
    int Counted = 0;
    int Refused = 0;
    int Missing = 0;
    WorkDone Sum{};
};
JournalTotals TotalsOf(const ClassJournal& journal);
// "Сдали код 4 из 5. Решено 14 примеров, с первой попытки 120 ответов, подсказок 3."
std::string TotalsText(const JournalTotals& totals);
// "Не сдали код: Петров Коля, Сидорова Аня." or "Код сдали все."
std::string MissingText(const ClassJournal& journal);

// The mistake groups, the most frequent first (ties in the method's order), with the class's
// count of each: what the chart draws.
struct ChartBar {
    MistakeGroup Group = MistakeGroup::FirstAndCount;
    int Count = 0;
};
std::array<ChartBar, MistakeGroupCount> ChartOf(const JournalTotals& totals);
// Said of the chart: "Частые ошибки класса: умножение 5, вычитание 2, ..." or that there
// were none.
std::string ChartText(const JournalTotals& totals);

// The table's columns, in order: the header, what a row shows in it, and that worded for a
// screen reader, which would read a code's dashes and a note's colon aloud.
struct JournalColumn {
    const char* Header;
    std::string (*Cell)(const JournalRow&);
    std::string (*Said)(const JournalRow&);
};
std::span<const JournalColumn> JournalColumns();

// The journal as a spreadsheet: UTF-8 with a byte-order mark, ";" between fields, a row per
// pupil and the totals, so that LibreOffice Calc and Excel open it with the Cyrillic intact.
std::string JournalCsv(const ClassJournal& journal);

// The text the teacher's computer keeps when she asks it to remember the class, and reading
// it back: a missing, damaged or foreign text is a fresh journal.
std::string JournalStoreText(const ClassJournal& journal);
ClassJournal JournalFromStoreText(std::string_view text);

} // namespace velmorand
