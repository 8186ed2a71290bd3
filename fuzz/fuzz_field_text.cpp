// The field text rules on any bytes: what a field accepts, what it reads, and that
// every finite number a form writes into a field reads back as the same number.
//
// The whole input is the field's text; independently, integers taken from the end
// of the input give a double bit pattern, an int and range bounds.

#include "FieldText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

using namespace korvane;

namespace {

[[noreturn]] void Fail(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::fputs("\n*** field text check failed: ", stderr);
    std::vfprintf(stderr, format, args);
    std::fputs("\n", stderr);
    va_end(args);
    std::abort();
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool Same(const std::optional<double>& a, const std::optional<double>& b) {
    if (a.has_value() != b.has_value())
        return false;
    return !a || std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b);
}

std::size_t CountChars(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string Printable(std::string_view s) {
    std::string out;
    for (unsigned char c : s) {
        char buf[8];
        if (c >= 0x20 && c < 0x7F && c != '\\')
            out += static_cast<char>(c);
        else {
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        }
    }
    return out;
}

// The text a form reads: leading blanks skipped, trailing blanks dropped.
std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool ValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t len = c < 0x80         ? 1
                                : (c >> 5) == 6  ? 2
                                : (c >> 4) == 14 ? 3
                                : (c >> 3) == 30 ? 4
                                                 : 0;
        if (len == 0 || i + len > s.size())
            return false;
        for (std::size_t k = 1; k < len; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += len;
    }
    return true;
}

// printf "%.15g" with the exponent widened to three digits: the format the fields
// show, from the C library rather than from FormatNumber's own conversion.
std::string ReferenceFormat(double v) {
    if (v == 0)
        return "0"; // a field never shows "-0", which it would refuse to read
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    std::string s = buf;
    const std::size_t e = s.find('e');
    if (e != std::string::npos && s.size() - (e + 2) < 3)
        s.insert(e + 2, 3 - (s.size() - (e + 2)), '0');
    return s;
}

// A finite value shown in a field and read back: the same text again, and the same
// value to 15 significant digits (-0 shows and reads as 0). Values whose 15-digit text
// would round past the largest double show as the largest number that reads back.
void CheckShownValue(double v) {
    const std::string shown = FormatNumber(v);
    if (!std::isfinite(v)) {
        const char* expected = std::isnan(v) ? "nan" : v > 0 ? "inf" : "-inf";
        if (shown != expected)
            Fail("FormatNumber(%g) = \"%s\"", v, shown.c_str());
        if (ParseNumber(shown))
            Fail("the text \"%s\" of a value that is not finite was read back", shown.c_str());
        return;
    }
    const bool clamped = std::fabs(v) > kLargestShownNumber;
    const double showable = clamped ? std::copysign(kLargestShownNumber, v) : v;
    if (shown != ReferenceFormat(showable))
        Fail("FormatNumber(%.17g) = \"%s\", printf gives \"%s\"", v, shown.c_str(),
             ReferenceFormat(showable).c_str());
    if (shown.size() > 31)
        Fail("FormatNumber(%.17g) = \"%s\" is longer than a field reads", v, shown.c_str());
    const std::optional<double> back = ParseNumber(shown);
    if (!back)
        Fail("the shown text \"%s\" of %.17g is refused", shown.c_str(), v);
    if (FormatNumber(*back) != shown)
        Fail("%.17g shows as \"%s\", reads back as %.17g, which shows as \"%s\"", v, shown.c_str(),
             *back, FormatNumber(*back).c_str());
    char a[40], b[40];
    std::snprintf(a, sizeof a, "%.14e", v == 0 ? 0.0 : showable);
    std::snprintf(b, sizeof b, "%.14e", *back);
    if (std::strcmp(a, b) != 0)
        Fail("%.17g shows as \"%s\" and reads back as %.17g, another number to 15 digits", v,
             shown.c_str(), *back);
}

void CheckNumberText(std::string_view text) {
    const std::optional<double> value = ParseNumber(text);

    // A text longer than a field holds is refused, never read by its beginning.
    if (CountChars(text) > 31 && value)
        Fail("ParseNumber read a text of more than 31 characters: \"%s\"", Printable(text).c_str());
    // Blanks and tabs around the number do not matter while the text stays short.
    if (text.size() <= 29) {
        const std::string padded = " " + std::string(text) + "\t";
        if (!Same(ParseNumber(padded), value))
            Fail("blanks around \"%s\" change what is read", Printable(text).c_str());
    }
    if (!value)
        return;

    if (!std::isfinite(*value))
        Fail("ParseNumber read %g from \"%s\"", *value, Printable(text).c_str());
    std::string_view t = text;
    while (CountChars(t) > 31)
        t.remove_suffix(1);
    t = Trimmed(t);
    for (char c : t) {
        if (!std::strchr("0123456789+-.eEdD", c) || c == '\0')
            Fail("ParseNumber accepted \"%s\", which holds '%c'", Printable(text).c_str(), c);
    }
    if (*value == 0 && (t.empty() || t.front() != '0'))
        Fail("ParseNumber read 0 from \"%s\", which does not start with the digit 0",
             Printable(text).c_str());
    CheckShownValue(*value);
}

void CheckWholeNumberText(std::string_view text) {
    const std::optional<int> value = ParseWholeNumber(text);
    if (CountChars(text) > 31 && value)
        Fail("ParseWholeNumber read a text of more than 31 characters: \"%s\"",
             Printable(text).c_str());
    if (text.size() <= 29) {
        const std::string padded = "\t" + std::string(text) + " ";
        if (ParseWholeNumber(padded) != value)
            Fail("blanks around \"%s\" change the whole number read", Printable(text).c_str());
    }
    if (!value)
        return;

    std::string_view t = text;
    while (CountChars(t) > 31)
        t.remove_suffix(1);
    t = Trimmed(t);
    // [sign] digits, read in base 10 and clamped to the 32-bit range.
    std::string_view digits = t;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-'))
        digits.remove_prefix(1);
    if (digits.empty())
        Fail("ParseWholeNumber accepted \"%s\" without digits", Printable(text).c_str());
    for (char c : digits) {
        if (c < '0' || c > '9')
            Fail("ParseWholeNumber accepted \"%s\", which holds '%c'", Printable(text).c_str(), c);
    }
    while (digits.size() > 1 && digits.front() == '0')
        digits.remove_prefix(1);
    long long expected =
        digits.size() > 10 ? 1LL << 40 : std::strtoll(std::string(digits).c_str(), nullptr, 10);
    expected = negative ? -expected : expected;
    expected = expected > INT_MAX ? INT_MAX : expected < INT_MIN ? INT_MIN : expected;
    if (*value != expected)
        Fail("ParseWholeNumber(\"%s\") = %d, expected %lld", Printable(text).c_str(), *value,
             expected);
    if (*value == 0 && t.front() != '0')
        Fail("ParseWholeNumber read 0 from \"%s\", which does not start with the digit 0",
             Printable(text).c_str());
    if (ParseWholeNumber(FormatWholeNumber(*value)) != value)
        Fail("%d does not read back", *value);
    // A whole number within the 32-bit range is also a number of a number field.
    if (*value != INT_MAX && *value != INT_MIN) {
        const std::optional<double> asNumber = ParseNumber(text);
        if (!asNumber || *asNumber != *value)
            Fail("\"%s\" is the whole number %d but not that number", Printable(text).c_str(),
                 *value);
    }
}

void CheckRangeMessages(double dmin, double dmax, long lmin, long lmax, double v) {
    const std::string d = DoubleRangeMessage(dmin, dmax);
    const std::string dExpected =
        "“请填入一个在" + FormatNumber(dmin) + "和" + FormatNumber(dmax) + "之间的数字。”";
    if (d != dExpected)
        Fail("DoubleRangeMessage(%.17g, %.17g) = \"%s\"", dmin, dmax, d.c_str());
    char lo[32], hi[32];
    std::snprintf(lo, sizeof lo, "%ld", lmin);
    std::snprintf(hi, sizeof hi, "%ld", lmax);
    const std::string i = IntRangeMessage(lmin, lmax);
    if (i != std::string("“请填入一个在") + lo + "和" + hi + "之间的整数。”")
        Fail("IntRangeMessage(%ld, %ld) = \"%s\"", lmin, lmax, i.c_str());
    if (!ValidUtf8(d) || !ValidUtf8(i))
        Fail("a range message is not valid UTF-8");
    const bool inside = dmin <= v && v <= dmax;
    if (InRange(v, dmin, dmax) != inside || (std::isnan(v) && InRange(v, dmin, dmax)))
        Fail("InRange(%g, %g, %g)", v, dmin, dmax);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckNumberText(text);
    CheckWholeNumberText(text);

    FuzzedDataProvider in(data, size);
    const double v = std::bit_cast<double>(in.ConsumeIntegral<std::uint64_t>());
    CheckShownValue(v);
    const int whole = in.ConsumeIntegral<int>();
    if (ParseWholeNumber(FormatWholeNumber(whole)) != whole)
        Fail("FormatWholeNumber(%d) does not read back", whole);
    const double dmin = std::bit_cast<double>(in.ConsumeIntegral<std::uint64_t>());
    const double dmax = std::bit_cast<double>(in.ConsumeIntegral<std::uint64_t>());
    const long lmin = in.ConsumeIntegral<long>();
    const long lmax = in.ConsumeIntegral<long>();
    CheckRangeMessages(dmin, dmax, lmin, lmax, v);
    return 0;
}
