#include "class_journal.h"

#include "numbers.h"
#include "problem_set.h"
#include "sheet.h"

#include <algorithm>
#include <optional>

namespace velmorand {

using practice_detail::Digits;
using practice_detail::Echoed;

namespace {

constexpr std::string_view StoreHeader = "velmorand-class 1";
constexpr std::string_view ChooseFirst = "Сначала выбери вариант или свои примеры.";
constexpr std::string_view NoChoice =
    "Напиши уровень и вариант, например «5 42», или вставь адрес своих примеров.";
constexpr std::string_view NoName = "Напиши имя ученика.";
constexpr std::string_view NotHandedIn = "код не сдан";
constexpr std::string_view RefusedWord = "код не принят";
constexpr std::string_view Unprintable =
    "В тексте есть непечатаемые знаки: напиши его заново, без них.";
// A code as typed, with spaces and dashes, is far shorter than this.
constexpr std::size_t MostCodeCharacters = 40;

std::string Number(int value) { return Digits(static_cast<std::uint64_t>(std::max(value, 0))); }

std::string_view Trimmed(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool HasControlCharacter(std::string_view text, std::string_view allowed) {
    for (const char c : text)
        if ((static_cast<unsigned char>(c) < 0x20 || c == 0x7F) &&
            allowed.find(c) == std::string_view::npos)
            return true;
    return false;
}

std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Why a name and a code as typed cannot be a pupil's, or "": a text with control characters
// or far too long is refused whole rather than cut, so that nothing half of it is kept.
std::string TypedPupilFault(std::string_view name, std::string_view code) {
    if (HasControlCharacter(name, "\t") || HasControlCharacter(code, "\t"))
        return std::string(Unprintable);
    if (CharacterCount(Trimmed(name)) > MostNameCharacters)
        return "Имя длиннее " + Number(int(MostNameCharacters)) + " знаков: напиши его короче.";
    if (CharacterCount(Trimmed(code)) > MostCodeCharacters)
        return "Это не код: в коде " + Number(CodeLength) + " знаков.";
    return {};
}

// A name as the journal keeps it: no control characters, no runs of spaces, and no longer
// than a name needs.
std::string CleanName(std::string_view typed) {
    const std::string echoed = Echoed(Trimmed(typed), MostNameCharacters);
    std::string name;
    for (const char c : echoed)
        if (c != ' ' || (!name.empty() && name.back() != ' '))
            name += c;
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

// A code as the journal keeps it: one too long to be a code is kept cut, without the "…" that
// would be read as a character no code has, so that its reading says how long a code is.
std::string CleanCode(std::string_view typed) {
    constexpr std::string_view Ellipsis = "\xE2\x80\xA6";
    std::string code = CleanName(typed);
    if (code.ends_with(Ellipsis) && !Trimmed(typed).ends_with(Ellipsis))
        code.resize(code.size() - Ellipsis.size());
    return code;
}

bool HasDivisionSign(std::string_view text) {
    for (std::string_view sign : {":", "/", "\xC3\xB7", "\xE2\x88\xB6"})
        if (text.find(sign) != std::string_view::npos)
            return true;
    return false;
}

std::vector<std::uint64_t> NumbersIn(std::string_view text) {
    std::vector<std::uint64_t> numbers;
    for (std::size_t i = 0; i < text.size() && numbers.size() < 3;) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        std::uint64_t value = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            value = std::min<std::uint64_t>(value * 10 + static_cast<std::uint64_t>(text[i] - '0'),
                                            10'000'000);
        numbers.push_back(value);
    }
    return numbers;
}

JournalProblems FromSet(std::string_view text) {
    const SetReading reading = ReadProblemSet(text);
    if (!reading.Good())
        return {.Error = reading.Errors.front()};
    return {reading.Problems,
            std::string(OwnProblemsTitle) + ", примеров " + Number(int(reading.Problems.size())),
            {}};
}

JournalProblems FromVariant(std::string_view typed) {
    const std::vector<std::uint64_t> numbers = NumbersIn(typed);
    if (numbers.size() != 2)
        return {.Error = std::string(NoChoice)};
    if (numbers[0] < 1 || numbers[0] > static_cast<std::uint64_t>(LevelCount))
        return {.Error = "Уровня " + Digits(numbers[0]) + " нет: уровни от 1 до " +
                         Number(LevelCount) + "."};
    if (numbers[1] < 1 || numbers[1] > static_cast<std::uint64_t>(MostVariant))
        return {.Error = "Вариант должен быть числом от 1 до " + Number(MostVariant) + "."};
    const int level = static_cast<int>(numbers[0]);
    const int variant = static_cast<int>(numbers[1]);
    JournalProblems chosen{SheetVariantProblems(level, variant), {}, {}};
    chosen.Title = LevelTitle(level) + ", вариант " + Number(variant) + ", примеров " +
                   Number(static_cast<int>(chosen.Problems.size()));
    return chosen;
}

void ReadCode(JournalRow& row, std::span<const Problem> problems) {
    row.Work = {};
    row.Message.clear();
    if (row.Code.empty()) {
        row.State = RowState::Missing;
        return;
    }
    const CodeReading reading = ReadResultCode(problems, row.Code);
    row.State = reading.Fault == CodeFault::None ? RowState::Counted : RowState::Refused;
    row.Work = reading.Work;
    row.Message = reading.Message;
}

// Whether the word can be a code or a part of one, as the teacher writes it.
bool LooksLikeCode(std::string_view word) {
    bool digit = false;
    for (std::string_view rest = word; !rest.empty();) {
        const std::size_t length = static_cast<unsigned char>(rest.front()) < 0x80 ? 1 : 2;
        const std::string_view character = rest.substr(0, std::min(length, rest.size()));
        if (!IsCodeCharacter(character))
            return false;
        digit = digit || (character[0] >= '0' && character[0] <= '9');
        rest.remove_prefix(character.size());
    }
    // A name has no digits, and nearly every code has one in each group; a dash alone joins.
    return digit || (!word.empty() && word.find_first_not_of('-') == std::string_view::npos);
}

// "Иванов Петя К7Д-3А9-ХМ2Р": the words at the end that make a code, and the name before.
std::pair<std::string_view, std::string_view> SplitLine(std::string_view line) {
    line = Trimmed(line);
    std::size_t codeStart = line.size();
    while (codeStart > 0) {
        const std::size_t space = line.find_last_of(" \t", codeStart - 1);
        const std::size_t wordStart = space == std::string_view::npos ? 0 : space + 1;
        if (!LooksLikeCode(Trimmed(line.substr(wordStart, codeStart - wordStart))))
            break;
        codeStart = space == std::string_view::npos ? 0 : space;
    }
    return {Trimmed(line.substr(0, codeStart)), Trimmed(line.substr(codeStart))};
}

JournalRow* RowNamed(ClassJournal& journal, std::string_view name) {
    for (JournalRow& row : journal.Rows)
        if (row.Name == name)
            return &row;
    return nullptr;
}

std::string MistakesSaid(const WorkDone& work) {
    std::string said;
    for (int group = 0; group < MistakeGroupCount; ++group)
        if (const int count = work.Mistakes[static_cast<std::size_t>(group)]; count > 0)
            said += std::string(said.empty() ? "" : ", ") +
                    std::string(MistakeGroupName(static_cast<MistakeGroup>(group))) + " " +
                    Number(count);
    return said.empty() ? "ошибок нет" : "ошибки: " + said;
}

struct Line {
    std::string Name;
    std::string Code;
    std::string Fault{}; // why the line cannot be added, or ""
};

// ---- the table's cells ----

std::string NameCell(const JournalRow& row) { return row.Name; }
std::string CountedOr(const JournalRow& row, int value) {
    return row.State == RowState::Counted ? Number(value) : std::string();
}
std::string SolvedCell(const JournalRow& row) { return CountedOr(row, row.Work.Solved); }
std::string FirstTryCell(const JournalRow& row) { return CountedOr(row, row.Work.FirstTry); }
std::string HintsCell(const JournalRow& row) { return CountedOr(row, row.Work.Hints); }
template <int Group> std::string GroupCell(const JournalRow& row) {
    return CountedOr(row, row.Work.Mistakes[Group]);
}
std::string CodeCell(const JournalRow& row) { return row.Code; }
std::string NoteCell(const JournalRow& row) {
    switch (row.State) {
    case RowState::Counted:
        return {};
    case RowState::Missing:
        return std::string(NotHandedIn);
    case RowState::Refused:
        return std::string(RefusedWord) + ": " + row.Message;
    }
    return {};
}

std::string SaidCode(const JournalRow& row) { return SpokenCode(row.Code); }
std::string SaidNote(const JournalRow& row) { return practice_detail::Spoken(NoteCell(row)); }

// clang-format off
constexpr JournalColumn Columns[] = {
    {"Ученик", NameCell, NameCell},
    {"Решено", SolvedCell, SolvedCell},
    {"С первой попытки", FirstTryCell, FirstTryCell},
    {"Подсказки", HintsCell, HintsCell},
    {"Неполное делимое и число цифр", GroupCell<0>, GroupCell<0>},
    {"Цифра частного и пробная цифра", GroupCell<1>, GroupCell<1>},
    {"Умножение", GroupCell<2>, GroupCell<2>},
    {"Вычитание", GroupCell<3>, GroupCell<3>},
    {"Снос цифр и нули", GroupCell<4>, GroupCell<4>},
    {"Остаток и проверка", GroupCell<5>, GroupCell<5>},
    {"Код", CodeCell, SaidCode},
    {"Замечание", NoteCell, SaidNote},
};
// clang-format on

// A spreadsheet's field: quoted when it holds what would split it, and a text a spreadsheet
// would take for a formula written as a text.
std::string CsvField(std::string field) {
    if (!field.empty() && std::string_view("=+-@").find(field.front()) != std::string_view::npos)
        field.insert(0, "'");
    if (field.find_first_of(";\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (const char c : field)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i > 0 ? ";" : "") + CsvField(fields[i]);
    return line + "\r\n";
}

} // namespace

JournalProblems ReadJournalProblems(std::string_view typed) {
    const std::string_view text = Trimmed(typed);
    if (text.empty())
        return {.Error = std::string(NoChoice)};
    if (HasControlCharacter(text, "\t\r\n"))
        return {.Error = std::string(Unprintable)};
    if (text.find("set=") != std::string_view::npos)
        return FromSet(SetTextInAddress(text));
    if (HasDivisionSign(text))
        return FromSet(text);
    return FromVariant(text);
}

JournalChange ChooseJournalProblems(ClassJournal& journal, std::string_view typed) {
    JournalProblems chosen = ReadJournalProblems(typed);
    if (!chosen.Error.empty())
        return {.Message = chosen.Error, .Announcement = practice_detail::Spoken(chosen.Error)};
    journal.Choice = std::string(Trimmed(typed).substr(0, 4000));
    journal.Problems = std::move(chosen);
    for (JournalRow& row : journal.Rows)
        ReadCode(row, journal.Problems.Problems);
    return {.Changed = true, .Announcement = practice_detail::Spoken(journal.Problems.Title)};
}

JournalChange AddPupil(ClassJournal& journal, std::string_view name, std::string_view code) {
    std::vector<Line> lines;
    if (name.find_first_of("\r\n") != std::string_view::npos && Trimmed(code).empty()) {
        for (std::string_view rest = name; !rest.empty();) {
            const std::size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
            const std::string_view line = Trimmed(rest.substr(0, end));
            rest.remove_prefix(std::min(end + 1, rest.size()));
            if (line.empty())
                continue;
            if (lines.size() >= static_cast<std::size_t>(MostPupils) + 1)
                break;
            const auto [lineName, lineCode] = SplitLine(line);
            lines.push_back(
                {CleanName(lineName), CleanCode(lineCode), TypedPupilFault(lineName, lineCode)});
        }
    } else {
        lines.push_back({CleanName(name), CleanCode(code), TypedPupilFault(name, code)});
    }
    if (journal.Problems.Problems.empty())
        return {.Message = std::string(ChooseFirst), .Announcement = std::string(ChooseFirst)};
    std::size_t added = 0;
    for (const Line& line : lines) {
        if (!line.Fault.empty())
            return {.Message = line.Fault, .Announcement = line.Fault};
        if (line.Name.empty())
            return {.Message = std::string(NoName), .Announcement = std::string(NoName)};
        added += RowNamed(journal, line.Name) == nullptr ? 1 : 0;
    }
    if (journal.Rows.size() + added > static_cast<std::size_t>(MostPupils)) {
        const std::string many = "В классе не больше " + Number(MostPupils) + " учеников.";
        return {.Message = many, .Announcement = many};
    }
    JournalChange change{.Changed = true};
    for (const Line& line : lines) {
        JournalRow* row = RowNamed(journal, line.Name);
        if (row == nullptr)
            row = &journal.Rows.emplace_back(JournalRow{.Name = line.Name});
        row->Code = line.Code;
        ReadCode(*row, journal.Problems.Problems);
        change.Announcement += (change.Announcement.empty() ? "" : " ") + RowSummary(*row);
        if (row->State == RowState::Refused && lines.size() == 1)
            change.Message = row->Name + ": " + RefusedWord.data() + ". " + row->Message;
    }
    change.Announcement = practice_detail::Spoken(change.Announcement);
    return change;
}

void ForgetPupils(ClassJournal& journal) { journal.Rows.clear(); }

std::string RowSummary(const JournalRow& row) {
    switch (row.State) {
    case RowState::Missing:
        return row.Name + ": " + std::string(NotHandedIn) + ".";
    case RowState::Refused:
        return row.Name + ": " + std::string(RefusedWord) + ". " + row.Message;
    case RowState::Counted:
        break;
    }
    return row.Name + ": решено " + Number(row.Work.Solved) + ", с первой попытки " +
           Number(row.Work.FirstTry) + ", подсказок " + Number(row.Work.Hints) + ", " +
           MistakesSaid(row.Work) + ".";
}

JournalTotals TotalsOf(const ClassJournal& journal) {
    JournalTotals totals;
    for (const JournalRow& row : journal.Rows) {
        ++totals.Pupils;
        if (row.State == RowState::Missing)
            ++totals.Missing;
        if (row.State == RowState::Refused)
            ++totals.Refused;
        if (row.State != RowState::Counted)
            continue;
        ++totals.Counted;
        totals.Sum.Solved += row.Work.Solved;
        totals.Sum.FirstTry += row.Work.FirstTry;
        totals.Sum.Hints += row.Work.Hints;
        for (std::size_t group = 0; group < totals.Sum.Mistakes.size(); ++group)
            totals.Sum.Mistakes[group] += row.Work.Mistakes[group];
    }
    return totals;
}

std::string TotalsText(const JournalTotals& totals) {
    return "Сдали код " + Number(totals.Counted) + " из " + Number(totals.Pupils) +
           ". Решено примеров " + Number(totals.Sum.Solved) + ", ответов с первой попытки " +
           Number(totals.Sum.FirstTry) + ", подсказок " + Number(totals.Sum.Hints) + ".";
}

std::string MissingText(const ClassJournal& journal) {
    std::string names;
    for (const JournalRow& row : journal.Rows)
        if (row.State != RowState::Counted)
            names += (names.empty() ? "" : ", ") + row.Name;
    return names.empty() ? "Код сдали все." : "Не сдали код: " + names + ".";
}

std::array<ChartBar, MistakeGroupCount> ChartOf(const JournalTotals& totals) {
    std::array<ChartBar, MistakeGroupCount> bars{};
    for (int group = 0; group < MistakeGroupCount; ++group)
        bars[static_cast<std::size_t>(group)] = {
            static_cast<MistakeGroup>(group), totals.Sum.Mistakes[static_cast<std::size_t>(group)]};
    std::stable_sort(bars.begin(), bars.end(),
                     [](const ChartBar& x, const ChartBar& y) { return x.Count > y.Count; });
    return bars;
}

std::string ChartText(const JournalTotals& totals) {
    std::string said;
    for (const ChartBar& bar : ChartOf(totals))
        if (bar.Count > 0)
            said += std::string(said.empty() ? "" : ", ") +
                    std::string(MistakeGroupName(bar.Group)) + " " + Number(bar.Count);
    return said.empty() ? "Ошибок у класса нет." : "Частые ошибки класса: " + said + ".";
}

std::span<const JournalColumn> JournalColumns() { return Columns; }

std::string JournalCsv(const ClassJournal& journal) {
    std::string csv = "\xEF\xBB\xBF";
    std::vector<std::string> fields;
    for (const JournalColumn& column : Columns)
        fields.emplace_back(column.Header);
    csv += CsvLine(fields);
    for (const JournalRow& row : journal.Rows) {
        fields.clear();
        for (const JournalColumn& column : Columns)
            fields.push_back(column.Cell(row));
        csv += CsvLine(fields);
    }
    const JournalTotals totals = TotalsOf(journal);
    JournalRow sum{.Name = "Всего", .State = RowState::Counted, .Work = totals.Sum};
    fields.clear();
    for (const JournalColumn& column : Columns)
        fields.push_back(column.Cell == CodeCell || column.Cell == NoteCell ? std::string()
                                                                            : column.Cell(sum));
    return csv + CsvLine(fields);
}

std::string JournalStoreText(const ClassJournal& journal) {
    std::string text(StoreHeader);
    text += "\n" + Echoed(journal.Choice, 4000) + "\n";
    for (const JournalRow& row : journal.Rows)
        text += row.Name + "\t" + row.Code + "\n";
    return text;
}

ClassJournal JournalFromStoreText(std::string_view text) {
    const auto line = [&]() -> std::optional<std::string_view> {
        if (text.empty())
            return std::nullopt;
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view taken = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        return taken;
    };
    if (line() != StoreHeader)
        return {};
    const auto choice = line();
    ClassJournal journal;
    if (!choice || !ChooseJournalProblems(journal, *choice).Changed)
        return {};
    while (const auto row = line()) {
        const std::size_t tab = row->find('\t');
        if (tab == std::string_view::npos || journal.Rows.size() >= MostPupils)
            return {};
        const std::string name = CleanName(row->substr(0, tab));
        if (name.empty() || RowNamed(journal, name) != nullptr)
            return {};
        JournalRow& added = journal.Rows.emplace_back(JournalRow{.Name = name});
        added.Code = CleanCode(row->substr(tab + 1));
        ReadCode(added, journal.Problems.Problems);
    }
    return journal;
}

} // namespace velmorand
