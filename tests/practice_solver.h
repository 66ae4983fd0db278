// The practice tests' pupil who knows every answer: types each step's answer in turn.
#pragma once

#include "practice/session.h"

#include <string>
#include <vector>

namespace velmorand::testing_support {

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
