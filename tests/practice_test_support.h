// What the practice tests share: the pupil who knows every answer, finding a step, and the
// signs a screen reader would read aloud.
#pragma once

#include "practice/session.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace velmorand::testing_support {

// The n-th step of the kind in the problem's solution.
inline Step StepOf(const Problem& problem, StepKind kind, int nth = 0) {
    for (const Step& step : SolutionSteps(problem))
        if (step.Kind == kind && nth-- == 0)
            return step;
    ADD_FAILURE() << "no such step";
    return {};
}

// Colons, brackets, the hyphen and dashes are named aloud; in speech the formulas' "·" and
// "−" and the quotes «» are too, so spoken text has them as words or leaves them out.
inline bool HasSignReadAloud(std::string_view text, bool spoken) {
    for (const std::string_view sign : {":", "(", ")", "-", "\xE2\x80\x94", "\xE2\x80\x93"})
        if (text.find(sign) != std::string_view::npos)
            return true;
    return spoken && (text.find("·") != std::string_view::npos ||
                      text.find("\xE2\x88\x92") != std::string_view::npos ||
                      text.find("«") != std::string_view::npos);
}

inline std::string Typed(std::uint32_t number) { return std::to_string(number); }

// Answers every step of the session's problem right, through SubmitAnswer; the results of
// each answer, in order. Stops after as many answers as there are steps, so that a problem
// that never reaches Done fails its test instead of hanging it.
inline std::vector<PracticeResult> AnswerAll(PracticeSession& session) {
    std::vector<PracticeResult> results;
    const std::size_t most = session.Steps.size();
    while (session.Steps[session.StepIndex].Kind != StepKind::Done && results.size() < most)
        results.push_back(SubmitAnswer(session, Typed(session.Steps[session.StepIndex].Answer)));
    return results;
}

// Answers right up to the first step of the kind; false when the problem has none.
inline bool AnswerUpTo(PracticeSession& session, StepKind kind) {
    while (session.Steps[session.StepIndex].Kind != kind) {
        if (session.Steps[session.StepIndex].Kind == StepKind::Done)
            return false;
        SubmitAnswer(session, Typed(session.Steps[session.StepIndex].Answer));
    }
    return true;
}

} // namespace velmorand::testing_support
