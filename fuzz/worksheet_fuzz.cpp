// Arbitrary bytes typed into the worksheet's fields, run, and cleared, in any order. The
// worksheet must stay sane whatever a pupil types.
#include "worksheet/conversions.h"
#include "worksheet/text_cuts.h"
#include "worksheet/worksheet.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace velmorand;

// Long enough for pasted dividends that take many steps; the fuzz run's -max_len matches.
constexpr std::size_t MostTypedCharacters = 4096;

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "worksheet broken: %s\n", what);
        std::abort();
    }
}

bool IsPlainDigits(const std::string& text, std::size_t most) {
    return !text.empty() && text.size() <= most &&
           text.find_first_not_of("0123456789") == std::string::npos;
}

bool IsRefusal(const std::string& message) {
    return message == "На ноль делить нельзя" || message == "Число слишком большое";
}

void CheckRun(Worksheet& sheet, const char* separator) {
    const Worksheet before = sheet;
    RunDivision(sheet, separator);
    Require(sheet.Text1 == before.Text1 && sheet.Text15 == before.Text15, "run changed an input");
    Require(sheet.RunVisible == before.RunVisible, "run changed the Run button");
    if (IsRefusal(sheet.MessageText)) {
        Worksheet unchanged = before;
        unchanged.MessageText = sheet.MessageText;
        Require(sheet == unchanged, "refused run wrote a field");
        return;
    }
    for (const WorksheetText field : WorksheetTexts) {
        if (sheet.*field == before.*field || field == &Worksheet::Text1 ||
            field == &Worksheet::Text15)
            continue;
        const std::string& text = sheet.*field;
        Require(text.find("inf") == std::string::npos && text.find("nan") == std::string::npos,
                "run wrote a number out of range");
    }
    Require(sheet.Text19 == NumberToSignedText(TextToNumber(sheet.Text15)), "wrong denominator");
    // Plain digits divide exactly: quotient × divisor + remainder = dividend.
    if (IsPlainDigits(sheet.Text1, 15) && IsPlainDigits(sheet.Text15, 15)) {
        const double quotient = TextToNumber(sheet.Text16);
        const double remainder = TextToNumber(sheet.Text18);
        const double divisor = TextToNumber(sheet.Text15);
        Require(remainder >= 0 && remainder < divisor, "remainder out of place");
        Require(quotient * divisor + remainder == TextToNumber(sheet.Text1), "wrong division");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Worksheet sheet;
    bool runShown = sheet.RunVisible;
    while (input.remaining_bytes() > 0) {
        switch (input.ConsumeIntegralInRange<int>(0, 5)) {
        case 0:
        case 1: {
            const WorksheetText field =
                input.ConsumeBool() ? &Worksheet::Text1 : &Worksheet::Text15;
            const std::string text = input.ConsumeRandomLengthString(MostTypedCharacters);
            const bool changes = sheet.*field != text;
            SetFieldText(sheet, field, text);
            Require(sheet.*field == text, "typing lost text");
            if (changes)
                runShown = CharacterCount(text) <= 6;
            break;
        }
        case 2: {
            const auto row = input.ConsumeIntegralInRange<std::size_t>(1, 18);
            if (row != 14) {
                const std::string text = input.ConsumeRandomLengthString(20);
                SetFieldText(sheet, WorksheetTexts[row], text);
            }
            break;
        }
        case 3:
            CheckRun(sheet, ".");
            break;
        case 4:
            CheckRun(sheet, ",");
            break;
        case 5:
            ClearWorksheet(sheet);
            for (const WorksheetText field : WorksheetTexts)
                Require((sheet.*field).empty(), "clear left a field");
            runShown = true; // the last field emptied had its check show Run, or none had to
            break;
        }
        Require(sheet.RunVisible == runShown, "Run shown against the last check");
    }
    return 0;
}
