// What the practice window is: its caption and its controls, with the names every front end
// gives them (object names in Qt, control names in Win32, ids in the page) and what a screen
// reader calls them.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace velmorand {

enum class PracticeControlKind {
    LevelChoice,  // 1 ... 8
    VariantField, // 1 ... 999999
    Text,         // shows a text of the view
    AnswerField,  // where the pupil types; Enter submits
    Button,
    ColumnGrid, // the squared paper
};

// What a button does.
// Sheets opens the worksheets for a class, where the front end can print.
enum class PracticeCommand { None, Hint, Next, Sheets };

// Which text of the view a text control shows.
enum class PracticeText { None, Problem, Question, Feedback, AnswerLine, ProgressLine };

struct PracticeControl {
    const char* Name = nullptr;
    PracticeControlKind Kind = PracticeControlKind::Text;
    const char* Caption = nullptr;        // a button's
    const char* AccessibleName = nullptr; // none: read by its text
    bool Announced = false;               // a status line: what it shows is announced
    PracticeCommand Command = PracticeCommand::None;
    PracticeText Shows = PracticeText::None;
};

// "Тренажёр: деление в столбик", and the same words as a screen reader says them.
extern const char* const PracticeCaption;
extern const char* const PracticeSpokenCaption;

// Level, Variant, Problem, Question, Entry, Feedback, Hint, Next, OpenSheets, Column, Answer,
// Progress: in the order the keyboard focus moves through those that take it.
std::span<const PracticeControl> PracticeLayout();

const PracticeControl* FindPracticeControl(std::string_view name);

// Whether the control needs a front end that prints: one that cannot print keeps it hidden
// and out of the keyboard's way.
bool NeedsPrinting(const PracticeControl& control);

struct PracticeView;

// What a text control shows of the view: "" for a control that shows none.
const std::string& ShownText(const PracticeView& view, const PracticeControl& control);

} // namespace velmorand
