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

void CheckRun(Worksheet& sheet, const char* separator) {
    const Worksheet before = sheet;
    const RunOutcome outcome = RunDivision(sheet, separator);
    Require(sheet.Dividend == before.Dividend && sheet.Divisor == before.Divisor,
            "run changed an input");
    Require(sheet.RunVisible == before.RunVisible, "run changed the Run button");
    if (outcome != RunOutcome::Divided) {
        Worksheet unchanged = before;
        unchanged.Message = sheet.Message;
        Require(sheet == unchanged, "refused run wrote a field");
        return;
    }
    for (const WorksheetField field : NumberFields()) {
        if (FieldText(sheet, field) == FieldText(before, field) ||
            field == WorksheetField::Dividend || field == WorksheetField::Divisor)
            continue;
        const std::string& text = FieldText(sheet, field);
        Require(text.find("inf") == std::string::npos && text.find("nan") == std::string::npos,
                "run wrote a number out of range");
    }
    Require(sheet.RemainderDenominator == NumberToSignedText(TextToNumber(sheet.Divisor)),
            "wrong denominator");
    // Plain digits divide exactly: quotient × divisor + remainder = dividend.
    if (IsPlainDigits(sheet.Dividend, 15) && IsPlainDigits(sheet.Divisor, 15)) {
        const double quotient = TextToNumber(sheet.Quotient);
        const double remainder = TextToNumber(sheet.Remainder);
        const double divisor = TextToNumber(sheet.Divisor);
        Require(remainder >= 0 && remainder < divisor, "remainder out of place");
        Require(quotient * divisor + remainder == TextToNumber(sheet.Dividend), "wrong division");
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
            const WorksheetField field =
                input.ConsumeBool() ? WorksheetField::Dividend : WorksheetField::Divisor;
            const std::string text = input.ConsumeRandomLengthString(MostTypedCharacters);
            const bool changes = FieldText(sheet, field) != text;
            SetFieldText(sheet, field, text);
            Require(FieldText(sheet, field) == text, "typing lost text");
            if (changes)
                runShown = CharacterCount(text) <= 6;
            break;
        }
        case 2: { // any field but the two inputs
            const WorksheetField field =
                NumberFields()[input.ConsumeIntegralInRange<std::size_t>(1, NumberFieldCount - 1)];
            if (field != WorksheetField::Divisor)
                SetFieldText(sheet, field, input.ConsumeRandomLengthString(20));
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
            for (const WorksheetField field : NumberFields())
                Require(FieldText(sheet, field).empty(), "clear left a field");
            runShown = true; // the last field emptied had its check show Run, or none had to
            break;
        }
        Require(sheet.RunVisible == runShown, "Run shown against the last check");
    }
    return 0;
}
