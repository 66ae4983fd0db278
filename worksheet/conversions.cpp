#include "conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>

#if VELMORAND_C_FLOAT_CONVERSIONS
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#endif

namespace velmorand {

namespace {

// Whether a number below 1 is written "0.5" (in the locale's texts) or ".5" (in the signed
// texts of the column).
enum class LeadingZero { Omitted, Written };

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsIgnoredSpace(char c) { return c == ' ' || c == '\t' || c == '\n'; }

#if VELMORAND_C_FLOAT_CONVERSIONS
// Where the standard library has no floating-point from_chars and to_chars (emscripten's
// libc++), the C library reads and writes the numbers instead. Its decimal point is the
// locale's, so each call runs in the C locale on this thread alone.
class InCLocale {
public:
    InCLocale() : previous_(uselocale(CLocale())) {}
    ~InCLocale() { uselocale(previous_); }
    InCLocale(const InCLocale&) = delete;
    InCLocale& operator=(const InCLocale&) = delete;

private:
    static locale_t CLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
        return c;
    }
    locale_t previous_;
};
#endif

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// "&H" and "&O" numbers: the longest run of digits of the base, read as an unsigned
// 64-bit whole number; a longer one is out of range.
double ReadBasedWholeNumber(std::string_view digits, int base) {
    std::uint64_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (error == std::errc::result_out_of_range)
        return std::numeric_limits<double>::infinity();
    return end == digits.data() ? 0.0 : static_cast<double>(value);
}

// from_chars reports overflow and underflow alike. Which one happened follows from the
// number's decimal magnitude, which is then far beyond 300 on one side or the other.
double OutOfRangeValue(std::string_view mantissa, std::string_view exponent) {
    long long magnitude = 0;
    const auto [end, error] =
        std::from_chars(exponent.data(), exponent.data() + exponent.size(), magnitude);
    if (error == std::errc::result_out_of_range)
        magnitude = exponent.front() == '-' ? std::numeric_limits<long long>::min() / 2
                                            : std::numeric_limits<long long>::max() / 2;
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstSignificant = mantissa.find_first_not_of("0.");
    if (firstSignificant == std::string_view::npos)
        return 0.0;
    if (firstSignificant < point)
        magnitude += static_cast<long long>(point - firstSignificant);
    else
        magnitude -= static_cast<long long>(firstSignificant - point);
    return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

// Digits with an optional "." fraction and exponent, as checked by the caller; NaN when the
// value is beyond the range of a double.
double ReadFloating(std::string_view number) {
#if VELMORAND_C_FLOAT_CONVERSIONS
    const std::string terminated(number);
    const InCLocale inC;
    errno = 0;
    const double value = std::strtod(terminated.c_str(), nullptr);
    // strtod also says ERANGE for tiny numbers it could still write as subnormal ones.
    if (errno == ERANGE && (value == 0 || std::isinf(value)))
        return std::numeric_limits<double>::quiet_NaN();
    return value;
#else
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range)
        return std::numeric_limits<double>::quiet_NaN();
    return value;
#endif
}

double ReadDecimalNumber(std::string_view text) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++at;
    const std::size_t mantissaBegin = at;
    at = SkipDigits(text, at);
    std::size_t digitCount = at - mantissaBegin;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionBegin = at + 1;
        at = SkipDigits(text, fractionBegin);
        digitCount += at - fractionBegin;
    }
    if (digitCount == 0)
        return 0.0;
    const std::string_view mantissa = text.substr(mantissaBegin, at - mantissaBegin);

    std::string_view exponent;
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        std::size_t exponentBegin = at + 1;
        if (exponentBegin < text.size() && text[exponentBegin] == '+')
            ++exponentBegin; // from_chars takes "-" but not "+" before a whole number
        std::size_t digitsBegin = exponentBegin;
        if (digitsBegin < text.size() && text[digitsBegin] == '-')
            ++digitsBegin;
        const std::size_t exponentEnd = SkipDigits(text, digitsBegin);
        if (exponentEnd > digitsBegin) {
            exponent = text.substr(exponentBegin, exponentEnd - exponentBegin);
            at = exponentEnd;
        }
    }

    double value = ReadFloating(text.substr(mantissaBegin, at - mantissaBegin));
    if (std::isnan(value)) // out of range
        value = OutOfRangeValue(mantissa, exponent.empty() ? std::string_view("0") : exponent);
    return negative ? -value : value;
}

// A value rounded to 15 significant digits: the digits without trailing zeros, and the
// decimal exponent of the first one (value = d.ddd × 10^exponent).
struct SignificantDigits {
    std::array<char, 15> digits{};
    int count = 0;
    int exponent = 0;
};

constexpr int MostSignificantDigits = 15;

// Reads "d.ddde±xx" as written by to_chars in scientific form.
SignificantDigits ReadScientific(const char* begin, const char* end) {
    SignificantDigits result;
    const char* at = begin;
    for (; at != end && *at != 'e'; ++at) {
        if (*at != '.')
            result.digits[result.count++] = *at;
    }
    while (result.count > 1 && result.digits[result.count - 1] == '0')
        --result.count;
    const char* exponent = at + 1;
    if (*exponent == '+')
        ++exponent;
    std::from_chars(exponent, end, result.exponent);
    return result;
}

SignificantDigits RoundToSignificantDigits(double magnitude) {
    std::array<char, 32> buffer{};
#if VELMORAND_C_FLOAT_CONVERSIONS
    const InCLocale inC;
    const int length =
        std::snprintf(buffer.data(), buffer.size(), "%.*e", MostSignificantDigits - 1, magnitude);
    return ReadScientific(buffer.data(), buffer.data() + length);
#else
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::scientific, MostSignificantDigits - 1);
    return ReadScientific(buffer.data(), written.ptr);
#endif
}

void AppendExponentForm(std::string& out, const SignificantDigits& d, std::string_view separator) {
    out += d.digits[0];
    if (d.count > 1) {
        out += separator;
        out.append(d.digits.data() + 1, d.count - 1);
    }
    out += d.exponent < 0 ? "E-" : "E+";
    const int exponent = std::abs(d.exponent);
    if (exponent < 10)
        out += '0';
    out += std::to_string(exponent);
}

void AppendFixedForm(std::string& out, const SignificantDigits& d, LeadingZero leadingZero,
                     std::string_view separator) {
    if (d.exponent < 0) {
        if (leadingZero == LeadingZero::Written)
            out += '0';
        out += separator;
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out.append(d.digits.data(), d.count);
        return;
    }
    const int wholeDigits = d.exponent + 1;
    out.append(d.digits.data(), std::min(wholeDigits, d.count));
    if (wholeDigits >= d.count) {
        out.append(static_cast<std::size_t>(wholeDigits - d.count), '0');
        return;
    }
    out += separator;
    out.append(d.digits.data() + wholeDigits, d.count - wholeDigits);
}

// Whole numbers below this have at most 15 digits and are written out in full.
constexpr double WholeNumbersInFixedForm = 1e15;

void AppendWholeNumber(std::string& out, std::uint64_t number) {
    std::array<char, 20> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
    out.append(buffer.data(), written.ptr);
}

// Digits rounded to 15 significant ones in the fixed form, or in the exponent form
// ("1.23456789012346E+17", "3.47826086956522E-02") for whole parts of more than 15 digits
// and for fractions that would need more than 15 digits after the point.
void AppendSignificantDigits(std::string& out, const SignificantDigits& d, LeadingZero leadingZero,
                             std::string_view separator) {
    const int fractionDigits = d.count - 1 - d.exponent;
    if (d.exponent >= MostSignificantDigits || fractionDigits > MostSignificantDigits)
        AppendExponentForm(out, d, separator);
    else
        AppendFixedForm(out, d, leadingZero, separator);
}

// Both conversions to text: whole numbers below 10^15 in full, anything else rounded to 15
// significant digits with trailing zeros dropped.
void AppendNumber(std::string& out, double value, std::string_view positiveSign,
                  LeadingZero leadingZero, std::string_view separator) {
    out += value < 0 ? std::string_view("-") : positiveSign;
    if (value == 0) {
        out += '0';
        return;
    }
    if (!std::isfinite(value)) {
        out += std::isnan(value) ? "nan" : "inf";
        return;
    }
    const double magnitude = std::fabs(value);
    if (magnitude < WholeNumbersInFixedForm && magnitude == std::trunc(magnitude)) {
        AppendWholeNumber(out, static_cast<std::uint64_t>(magnitude));
        return;
    }
    AppendSignificantDigits(out, RoundToSignificantDigits(magnitude), leadingZero, separator);
}

// The first 15 significant digits of numerator / denominator (below 1), by long division
// as on paper, rounded half up from the digits that follow: no binary rounding comes in.
SignificantDigits ExactFractionDigits(std::uint64_t numerator, std::uint64_t denominator) {
    SignificantDigits result;
    result.exponent = -1;
    std::uint64_t remainder = numerator;
    while (remainder * 10 < denominator) {
        remainder *= 10;
        --result.exponent;
    }
    for (; result.count < MostSignificantDigits; ++result.count) {
        remainder *= 10;
        result.digits[result.count] = static_cast<char>('0' + remainder / denominator);
        remainder %= denominator;
    }
    if (remainder * 10 / denominator >= 5) { // the sixteenth digit rounds up
        int at = MostSignificantDigits - 1;
        for (; at >= 0 && result.digits[at] == '9'; --at)
            result.digits[at] = '0';
        if (at >= 0) {
            ++result.digits[at];
        } else { // 0.999... became 1 of the next decimal place
            result.digits[0] = '1';
            ++result.exponent;
        }
    }
    while (result.count > 1 && result.digits[result.count - 1] == '0')
        --result.count;
    return result;
}

double ReadNumber(std::string_view number) {
    if (number.size() >= 2 && number[0] == '&') {
        const std::string_view digits = number.substr(2);
        switch (number[1]) {
        case 'H':
        case 'h':
            return ReadBasedWholeNumber(digits, 16);
        case 'O':
        case 'o':
            return ReadBasedWholeNumber(digits, 8);
        }
    }
    return ReadDecimalNumber(number);
}

} // namespace

double TextToNumber(std::string_view text) {
    // Spaces stand mostly in front (the sign slot); copy the text only when some stand inside.
    while (!text.empty() && IsIgnoredSpace(text.front()))
        text.remove_prefix(1);
    if (std::none_of(text.begin(), text.end(), IsIgnoredSpace))
        return ReadNumber(text);
    std::string compact;
    compact.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
                 [](char c) { return !IsIgnoredSpace(c); });
    return ReadNumber(compact);
}

void AppendSignedText(std::string& text, double value) {
    AppendNumber(text, value, " ", LeadingZero::Omitted, ".");
}

std::string NumberToSignedText(double value) {
    std::string text;
    AppendSignedText(text, value);
    return text;
}

std::string NumberToLocaleText(double value, std::string_view decimalSeparator) {
    std::string text;
    AppendNumber(text, value, "", LeadingZero::Written, decimalSeparator);
    return text;
}

std::string FractionToLocaleText(std::uint64_t numerator, std::uint64_t denominator,
                                 std::string_view decimalSeparator) {
    if (numerator == 0)
        return "0";
    std::string text;
    AppendSignificantDigits(text, ExactFractionDigits(numerator, denominator), LeadingZero::Written,
                            decimalSeparator);
    return text;
}

double WholePart(double value) { return std::floor(value); }

} // namespace velmorand
