// Random plain-digit divisions, checked against the arithmetic of the column itself.
#include "worksheet/conversions.h"
#include "worksheet/worksheet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace velmorand {
namespace {

std::uint64_t RandomNumber(std::mt19937_64& random, int digits) {
    std::uint64_t low = 1;
    for (int i = 1; i < digits; ++i)
        low *= 10;
    return std::uniform_int_distribution<std::uint64_t>(digits == 1 ? 1 : low,
                                                        low * 10 - 1)(random);
}

const std::string& Row(const Worksheet& sheet, int row) {
    return sheet.ColumnRows[static_cast<std::size_t>(row)];
}

// The number in a column row, which must stand after exactly `spaces` spaces and its sign slot.
std::int64_t RowNumber(const Worksheet& sheet, int row, std::size_t spaces) {
    const std::string& text = Row(sheet, row);
    EXPECT_EQ(text.find_first_not_of(' '), spaces + 1) << "row " << row << " \"" << text << '"';
    return static_cast<std::int64_t>(TextToNumber(text));
}

void CheckColumn(std::uint64_t dividend, std::uint64_t divisor) {
    Worksheet sheet;
    ClearWorksheet(sheet);
    sheet.Dividend = std::to_string(dividend);
    sheet.Divisor = std::to_string(divisor);
    RunDivision(sheet, ".");
    SCOPED_TRACE(sheet.Dividend + " / " + sheet.Divisor);

    const auto d = static_cast<std::int64_t>(divisor);
    std::string quotientDigits;
    int lastStep = -1;
    std::int64_t remainder = 0;
    // Step k writes its product into the column's row 2k and, from step 1 on, its partial
    // dividend into the row above and its remainder into the row below.
    for (int step = 0; 2 * step < static_cast<int>(ColumnRowCount) && !Row(sheet, 2 * step).empty();
         ++step) {
        const int productRow = 2 * step;
        const std::size_t spaces = 2 * static_cast<std::size_t>(step);
        const std::int64_t product = RowNumber(sheet, productRow, spaces);
        ASSERT_EQ(product % d, 0) << "row " << productRow;
        ASSERT_LT(product / d, 10) << "row " << productRow;
        quotientDigits += std::to_string(product / d);
        if (step > 0) {
            remainder = RowNumber(sheet, productRow - 1, spaces) - product;
            ASSERT_GE(remainder, 0);
            ASSERT_LT(remainder, d);
        }
        lastStep = step;
    }
    const auto finalRemainder = static_cast<std::int64_t>(TextToNumber(sheet.Remainder));
    if (lastStep >= 1) {
        EXPECT_EQ(remainder, finalRemainder);
    }
    if (lastStep >= 1 && lastStep <= 5) {
        const auto spaces = 2 * static_cast<std::size_t>(lastStep) + 2;
        EXPECT_EQ(RowNumber(sheet, 1 + 2 * lastStep, spaces), finalRemainder);
    }
    ASSERT_FALSE(quotientDigits.empty() && dividend >= divisor);
    const auto quotient = static_cast<std::int64_t>(TextToNumber(sheet.Quotient));
    if (!quotientDigits.empty()) {
        EXPECT_EQ(std::stoll(quotientDigits), quotient);
    }
    EXPECT_GE(finalRemainder, 0);
    EXPECT_LT(finalRemainder, d);
    EXPECT_EQ(quotient * d + finalRemainder, static_cast<std::int64_t>(dividend));
    EXPECT_EQ(TextToNumber(sheet.RemainderDenominator), static_cast<double>(divisor));
    EXPECT_EQ(sheet.Message == "Деление с остатком", finalRemainder != 0);
}

TEST(DivisionProperty, ColumnArithmeticHoldsForRandomDivisions) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 20000; ++i) {
        const int dividendDigits = std::uniform_int_distribution<int>(1, 6)(random);
        const int divisorDigits = std::uniform_int_distribution<int>(1, 6)(random);
        CheckColumn(RandomNumber(random, dividendDigits), RandomNumber(random, divisorDigits));
        if (HasFatalFailure())
            return;
    }
}

} // namespace
} // namespace velmorand
