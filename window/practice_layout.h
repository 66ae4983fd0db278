// What the practice window is: its caption and its controls, with the names every front end
// gives them (object names in Qt, control names in Win32, ids in the page), what a screen
// reader calls them, the label shown beside them and the line of the panel they stand on
// (practice_arrangement.h places them).
#pragma once

#include "practice_look.h"

#include <span>
#include <string>
#include <string_view>

namespace velmorand {

enum class PracticeControlKind {
    LevelChoice, // 1 ... LevelCount, chosen as soon as it changes
    // 1 ... 999999: what is typed is chosen on Enter or when the focus leaves the field, and
    // only if it was edited since the variant was last chosen or shown.
    VariantField,
    Text,        // shows a text of the view
    AnswerField, // where the pupil types; Enter submits
    // Where the teacher's problems are typed or pasted, over several lines; a button makes them
    // a set.
    SetField,
    Button,
    ColumnGrid, // the squared paper
};

// What a button does.
// Sheets opens the worksheets for a class, where the front end can print. MakeSet reads the
// set field; ShowCode shows the code for the teacher.
enum class PracticeCommand { None, Hint, Next, Sheets, ShowCode, MakeSet };

// Which text of the view a text control shows.
// A button that shows one has its caption from the view, and is named by it.
enum class PracticeText {
    None,
    Problem,
    ProblemNumber,
    Question,
    Feedback,
    AnswerLine,
    ProgressLine,
    HintButton,
    ResultCode, // named to a screen reader by the code said a character at a time
    SetError,
};

struct PracticeControl {
    const char* Name = nullptr;
    PracticeControlKind Kind = PracticeControlKind::Text;
    const char* Caption = nullptr;        // a button's
    const char* AccessibleName = nullptr; // none: read by its text
    // The status line that speaks each PracticeResult::Announcement: the live region of the
    // page, the object Qt and Win32 raise the announcement from. Only one control has it.
    bool Announced = false;
    PracticeCommand Command = PracticeCommand::None;
    PracticeText Shows = PracticeText::None;
    const char* Label = nullptr; // shown before it, and naming it to a screen reader
    int Line = 0;                // of the panel; controls of one line stand side by side
    PracticeType Type = PracticeType::Question;
    int Lines = 1;            // a text's lines kept free, so that nothing below it moves
    int Share = 1;            // of the line's width, beside the others on it
    bool TakesNumber = false; // digits alone: a phone offers its keyboard of digits
};

// The paper stands on no line of the panel: beside it, or between its lines PaperAfterLine
// and the next when the window is narrow.
inline constexpr int PaperLine = -1;
inline constexpr int PaperAfterLine = 7;

// "Тренажёр: деление в столбик", and the same words as a screen reader says them.
extern const char* const PracticeCaption;
extern const char* const PracticeSpokenCaption;

// Level, Variant, ProblemNumber, Problem, Question, Entry, Feedback, Hint, Next, OpenSheets,
// ShowCode, Column, Answer, Progress, ResultCode, OwnProblems, MakeSet, SetError: in the order
// the keyboard focus moves through those that take it.
std::span<const PracticeControl> PracticeLayout();

const PracticeControl* FindPracticeControl(std::string_view name);

// Whether the control needs a front end that prints: one that cannot print keeps it hidden
// and out of the keyboard's way.
bool NeedsPrinting(const PracticeControl& control);

// The level's choice as a screen reader is to say it: "6, нуль в частном" for the shown
// "6: нуль в частном", whose colon it would name aloud.
std::string SpokenLevelChoice(int level);

struct PracticeView;

// What a text control shows of the view: "" for a control that shows none.
const std::string& ShownText(const PracticeView& view, const PracticeControl& control);

// What a screen reader is to say for the text control, where it differs from what it shows
// (the code, a character at a time); else the shown text.
const std::string& SpokenText(const PracticeView& view, const PracticeControl& control);

} // namespace velmorand
