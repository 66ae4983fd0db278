#include "announcements.h"

#include <string_view>

namespace velmorand {

namespace {

// A number as it is said: no sign slot, and a minus sign said as a word, because a screen
// reader reads a lone "-" as a hyphen.
std::string Spoken(std::string_view number) {
    while (!number.empty() && number.front() == ' ')
        number.remove_prefix(1);
    if (!number.empty() && number.front() == '-')
        return "минус " + std::string(number.substr(1));
    return std::string(number);
}

} // namespace

std::string RunAnnouncement(const Worksheet& sheet, RunOutcome outcome) {
    if (outcome != RunOutcome::Divided)
        return SpokenMessage(sheet.Message);
    const std::string remainder = Spoken(sheet.Remainder);
    std::string said = "Частное " + Spoken(sheet.Quotient) + ", остаток " + remainder;
    if (remainder != "0")
        said += " из " + Spoken(sheet.RemainderDenominator) + ", дробная часть " +
                Spoken(sheet.FractionalPart);
    return said;
}

std::string EditAnnouncement(const Worksheet& before, const Worksheet& after) {
    if (after.Message == before.Message)
        return {};
    return SpokenMessage(after.Message);
}

std::string SpokenMessage(std::string_view message) {
    if (message.ends_with(':'))
        message.remove_suffix(1);
    return std::string(message);
}

} // namespace velmorand
