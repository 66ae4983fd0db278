// The practice window's state, what the pupil does in it, and everything it shows and says.
// Front ends pass the pupil's keys and clicks in and draw the view; they decide nothing.
#pragma once

#include "column_shapes.h"
#include "grid.h"
#include "mistakes.h"
#include "problems.h"
#include "progress.h"
#include "result_code.h"
#include "steps.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmorand {

struct PracticeSession {
    int Level = 1;
    int Variant = 1;
    // The teacher's own problems, practised in their order instead of the level's variant.
    std::vector<Problem> Set{};
    int ProblemIndex = 0; // the problems of the variant, one after another
    // How many of them the variant is, as its printed sheet has them by default, or the set's.
    int VariantProblems = 1;
    WorkDone Work{};        // in those problems, for the teacher's code
    bool Finished = false;  // the variant's last problem was solved or left
    bool CodeShown = false; // the code is shown from then on, or once asked for
    std::string SetError{}; // why the set last typed was not made, or ""
    Problem Current{};
    std::vector<Step> Steps{};
    std::size_t StepIndex = 0; // the step being asked; Steps.size() - 1 is Done
    Mistake LastMistake = Mistake::None;
    std::string Feedback{}; // after an answer or a hint
    int HintLevel = 0;      // 0 while no hint shows, else 1 ... 3
    int DeepestHint = 0;    // the highest hint given for this step, shown or not
    int TriedHere = 0;      // numbers answered at this step: the worked hint waits for one
    bool HintTaken = false; // above the first level, for this problem
    int WrongAnswers = 0;   // in this problem
    Progress Kept{};
};

// A session at a level and variant (clamped into range), with what was kept before.
PracticeSession StartPractice(int level, int variant, const Progress& kept);

// What a pupil's action changed, for the front end: whether the progress is to be stored
// again, and the one text a screen reader is told, worded for speech.
struct PracticeResult {
    bool ProgressChanged = false;
    // A new problem or a hint: the keyboard focus goes to the answer field, where the pupil's
    // next digit belongs.
    bool FocusEntry = false;
    // Another question is asked: what was typed answers it no more, and the answer field is
    // emptied. While the question stays, the typed text stays, to be looked at and typed over.
    bool ClearEntry = false;
    // A wrong answer stays in the field, selected, so that the next digit typed replaces it.
    bool SelectEntry = false;
    std::string Announcement{};
};

// The pupil pressed Enter in the answer field. A right answer is written into the column and
// the next step is asked; a wrong one changes nothing but the feedback. The last right answer
// counts the problem as solved (ProgressChanged); after that, answers only say so.
PracticeResult SubmitAnswer(PracticeSession& session, std::string_view typed);
// "Подсказка": the next level of hint for the current step, up to 3, the third only after
// the pupil has answered the step at least once.
PracticeResult AskHint(PracticeSession& session);
// "Следующий пример": the next problem of the variant.
PracticeResult NextProblem(PracticeSession& session);
// «Свои примеры»: the teacher's problems as typed or pasted make a set, practised from its first
// problem; a text with any line that is no problem for the set changes nothing but the reasons
// shown.
PracticeResult MakeSet(PracticeSession& session, std::string_view typed);
// «Код для учителя»: the code of what was done in the variant or set so far, shown from now on
// and said character by character.
PracticeResult ShowCode(PracticeSession& session);
// The level or variant chosen: the variant's first problem at that level. Choosing the level
// or variant the session already has changes nothing, so that no work is lost (while a set is
// practised, either goes back to the levels); a variant
// typed as text that is no number from 1 to 999999 changes nothing and says so.
PracticeResult ChooseLevel(PracticeSession& session, int level);
PracticeResult ChooseVariant(PracticeSession& session, std::string_view typed);

struct PracticeView {
    std::string Problem{}; // "7240 : 8"
    // "Пример 3 из 8"; after the variant "Пример 9, сверх варианта", and "Пример 2 из 3, ещё
    // раз" when a set begins again.
    std::string ProblemNumber{};
    std::string Question{};       // the current question in words
    std::string SpokenQuestion{}; // and worded for speech, what describes the answer field
    std::string_view Step;        // its name: "first" ... "done"
    std::string Feedback{};       // what the last answer or hint said, or ""
    std::string_view Mistake;     // the last answer's mistake name, "" after a right one
    int HintLevel = 0;            // 1 ... 3 while a hint shows, else 0
    std::string HintButton{};     // "Подсказка", or after the third that there is no more
    Grid Column;                  // with the cells the hint speaks of lit
    // Once the quotient (and the remainder) are written, else "": "Ответ: 905".
    std::string AnswerLine{};
    // "Решено на этом уровне: 4. Подряд без подсказки: 2."
    std::string ProgressLine{};
    std::string ResultCode{};       // "К7Д-3А9-ХМ2Р" once shown, else ""
    std::string SpokenResultCode{}; // the same, a character at a time
    std::string SetError{};         // the reasons the set was not made, one a line, or ""
    std::string SetText{};          // "7240:8,648:6" while a set is practised, else ""
    // Three in a row solved with no hint above the first and at most one wrong answer, below
    // the last level.
    bool SuggestNextLevel = false;
};

PracticeView ViewOf(const PracticeSession& session);

// The variant's or set's problems the code is about: the first VariantProblems.
std::vector<Problem> CountedProblems(const PracticeSession& session);

// The paper the session's largest problem needs: its level's, or its set's.
PaperSize PracticePaper(const PracticeSession& session);

} // namespace velmorand
