#include "FieldText.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace korvane {

namespace {

constexpr std::size_t kMaxFieldChars = 31; // the exchange reads at most this many

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether a UTF-8 text has more than `count` characters (not bytes).
bool LongerThan(std::string_view text, std::size_t count) {
    std::size_t chars = 0;
    for (const char c : text) {
        const bool startsChar = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (startsChar && chars++ == count)
            return true;
    }
    return false;
}

std::size_t SkipBlanks(std::string_view s, std::size_t i) {
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    return i;
}

std::size_t SkipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && IsDigit(s[i]))
        ++i;
    return i;
}

// Length of the longest prefix of `s` that is a decimal floating-point number:
// [sign] digits [. digits] [(e|E|d|D) [sign] digits]. 0 when there is none.
std::size_t ScanDecimal(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const std::size_t intStart = i;
    i = SkipDigits(s, i);
    std::size_t mantissaDigits = i - intStart;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fracStart = i + 1;
        const std::size_t fracEnd = SkipDigits(s, fracStart);
        mantissaDigits += fracEnd - fracStart;
        i = fracEnd;
    }
    if (mantissaDigits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const std::size_t expEnd = SkipDigits(s, j);
        if (expEnd > j)
            i = expEnd;
    }
    return i;
}

double ToDouble(std::string number) {
    for (char& c : number) {
        if (c == 'd' || c == 'D')
            c = 'e';
    }
    // The point is the decimal separator whatever the user's locale says.
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

bool OnlyBlanksFrom(std::string_view s, std::size_t i) {
    return SkipBlanks(s, i) == s.size();
}

std::string ReplaceBounds(std::string_view pattern, const std::string& min,
                          const std::string& max) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            out += pattern[i + 1] == '1' ? min : max;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace

const char* FieldMessage(int stringId) {
    switch (stringId) {
    case IDS_ENTER_WHOLE_NUMBER:
        return "请键入一个整数。";
    case IDS_ENTER_NUMBER:
        return "请键入一个数。";
    case IDS_INT_RANGE:
        return "“请填入一个在%1和%2之间的整数。”";
    case IDS_DOUBLE_RANGE:
        return "“请填入一个在%1和%2之间的数字。”";
    case IDS_INTERNAL_ERROR:
        return "内部应用程序出错。";
    default:
        return "";
    }
}

std::string FormatNumber(double value) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    // "-0" is no number to the field that shows it: a result of -0 would be refused
    // the next time the form reads its fields.
    if (value == 0.0)
        return "0";
    // The largest doubles round up to 1.79769313486232e+308 in 15 digits, past the
    // range, and the field would refuse what it shows: they show as the largest
    // 15-digit number that reads back. Nothing smaller changes its text.
    if (std::fabs(value) > kLargestShownNumber)
        value = std::copysign(kLargestShownNumber, value);
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    // The exponent is written with at least three digits.
    const std::size_t e = text.find('e');
    if (e != std::string::npos) {
        const std::size_t digits = text.size() - (e + 2);
        if (digits < 3)
            text.insert(e + 2, 3 - digits, '0');
    }
    return text;
}

std::string FormatWholeNumber(int value) {
    return std::to_string(value);
}

std::optional<double> ParseNumber(std::string_view text) {
    // Reading only the first characters of a longer text would compute with a number
    // the user did not type (a cut exponent, digits dropped): such a text is refused.
    if (LongerThan(text, kMaxFieldChars))
        return std::nullopt;
    const std::string_view field = text;
    const std::size_t start = SkipBlanks(field, 0);
    const std::string_view rest = field.substr(start);
    const std::size_t length = ScanDecimal(rest);
    const double value = length ? ToDouble(std::string(rest.substr(0, length))) : 0.0;
    // A zero is only taken from a text that starts with the digit 0, so that an
    // empty field, "-0" or ".0" are refused rather than read as 0.
    if (value == 0.0 && (rest.empty() || rest[0] != '0'))
        return std::nullopt;
    if (!OnlyBlanksFrom(rest, length))
        return std::nullopt;
    // A magnitude beyond the largest double converts to infinity, which no calculation
    // can use and which the field would then show as "inf": such text is no number.
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

std::optional<int> ParseWholeNumber(std::string_view text) {
    if (LongerThan(text, kMaxFieldChars))
        return std::nullopt;
    const std::string_view field = text;
    const std::size_t start = SkipBlanks(field, 0);
    const std::string_view rest = field.substr(start);
    std::size_t i = 0;
    const bool negative = i < rest.size() && rest[i] == '-';
    if (i < rest.size() && (rest[i] == '+' || rest[i] == '-'))
        ++i;
    const std::size_t digitsEnd = SkipDigits(rest, i);
    long long magnitude = 0;
    for (std::size_t j = i; j < digitsEnd; ++j) {
        magnitude = magnitude * 10 + (rest[j] - '0');
        if (magnitude > 1LL + INT_MAX)
            magnitude = 1LL + INT_MAX; // saturate; clamped below
    }
    long long value = negative ? -magnitude : magnitude;
    if (value > INT_MAX)
        value = INT_MAX;
    if (value < INT_MIN)
        value = INT_MIN;
    const std::size_t length = digitsEnd > i ? digitsEnd : 0;
    if (value == 0 && (rest.empty() || rest[0] != '0'))
        return std::nullopt;
    if (!OnlyBlanksFrom(rest, length))
        return std::nullopt;
    return static_cast<int>(value);
}

std::string DoubleRangeMessage(double min, double max) {
    return ReplaceBounds(FieldMessage(IDS_DOUBLE_RANGE), FormatNumber(min), FormatNumber(max));
}

std::string IntRangeMessage(long min, long max) {
    return ReplaceBounds(FieldMessage(IDS_INT_RANGE), std::to_string(min), std::to_string(max));
}

} // namespace korvane
