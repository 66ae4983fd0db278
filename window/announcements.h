// What a screen reader says when the worksheet changes without the focus moving: the same
// words in every front end.
#pragma once

#include "worksheet/worksheet.h"

#include <string>
#include <string_view>

namespace velmorand {

// After Run: the results in the pupil's words, "Частное 16754, остаток 11 из 14, дробная часть
// 0,785714285714286", or "Частное 123, остаток 0"; or the message of a run that could not
// divide. The fractional part keeps the separator Run wrote it with.
std::string RunAnnouncement(const Worksheet& sheet);

// A message of the message line as it is said: "Сообщения:" without the colon, which a
// screen reader would name.
std::string SpokenMessage(std::string_view message);

} // namespace velmorand
