// What a screen reader is told after an action or an edit: the same words in every front end,
// worded for speech.
#pragma once

#include "worksheet/worksheet.h"

#include <string>
#include <string_view>

namespace velmorand {

// After Run: the results in the pupil's words, "Частное 16754, остаток 11 из 14, дробная часть
// 0,785714285714286", or "Частное 123, остаток 0"; or why the run could not divide. The
// fractional part keeps the separator Run wrote it with.
std::string RunAnnouncement(const Worksheet& sheet, RunOutcome outcome);

// After the pupil typed into a field: the new message, said aloud, when the message changed;
// otherwise nothing, since the screen reader echoes the typing itself.
std::string EditAnnouncement(const Worksheet& before, const Worksheet& after);

// A message of the message line as it is said: "Сообщения:" without the colon, which a
// screen reader would name.
std::string SpokenMessage(std::string_view message);

} // namespace velmorand
