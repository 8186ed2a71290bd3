// Replays the golden master of the four calculations (data/*.golden.gz, recorded by
// make_golden from the engines as they were) against the engines linked now. Every
// case must give the same refusal, the same undefined results in the same order and
// the same bits in every recorded field of the record, -0 and NaN payloads included.
#include "GoldenCalcs.h"
#include "GoldenReader.h"

#include <gtest/gtest.h>

#include <bit>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace korvane;

namespace {

constexpr int kMaxReported = 20;
// Fewer cases than any file was recorded with means a file was cut or replaced.
constexpr long kMinCases = 2000;

std::string GoldenPath(const std::string& file) {
    return std::string(KORVANE_GOLDEN_DIR) + "/data/" + file;
}

std::string Shown(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g (%016" PRIx64 ")", v, std::bit_cast<std::uint64_t>(v));
    return text;
}

std::string Listed(const std::vector<std::string>& names) {
    std::string text = "[";
    for (const std::string& name : names)
        text += (text.size() > 1 ? " " : "") + name;
    return text + "]";
}

std::string Quoted(const std::string& refusal) {
    return refusal.empty() ? "computed" : "refused \"" + refusal + "\"";
}

class MismatchReport {
public:
    void Add(long caseNumber, const std::string& what, const std::string& expected,
             const std::string& actual) {
        if (caseNumber != lastCase_)
            ++cases_;
        lastCase_ = caseNumber;
        if (++count_ <= kMaxReported)
            text_ += "  case " + std::to_string(caseNumber) + ", " + what + ": expected " +
                     expected + ", got " + actual + "\n";
    }
    long Count() const { return count_; }
    long Cases() const { return cases_; }
    const std::string& Text() const { return text_; }

private:
    long count_ = 0;
    long cases_ = 0;
    long lastCase_ = -1;
    std::string text_;
};

// The `in` or `out` lines of a case into `r`, which holds the defaults; false with a
// failure when they do not name every field once, in field order.
template <class Record>
bool Fill(const GoldenCalc<Record>& calc, const GoldenCase& c,
          const std::vector<std::pair<std::string, std::string>>& lines, Record& r,
          const char* which) {
    if (lines.size() != calc.fields.size()) {
        ADD_FAILURE() << calc.name << " case " << c.number << ": " << lines.size() << " " << which
                      << " values for " << calc.fields.size() << " fields";
        return false;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const GoldenField<Record>& field = calc.fields[i];
        if (lines[i].first != field.name || !field.Decode(r, lines[i].second)) {
            ADD_FAILURE() << calc.name << " case " << c.number << ": " << which << " line \""
                          << lines[i].first << " " << lines[i].second << "\" where " << field.name
                          << " belongs";
            return false;
        }
    }
    return true;
}

template <class Record>
void Compare(const GoldenCalc<Record>& calc, long caseNumber, Record& expected, Record& actual,
             MismatchReport& report) {
    for (const GoldenField<Record>& field : calc.fields) {
        if (field.IsWhole()) {
            const int e = field.Whole(expected), a = field.Whole(actual);
            if (e != a)
                report.Add(caseNumber, field.name, std::to_string(e), std::to_string(a));
            continue;
        }
        const double e = field.Real(expected), a = field.Real(actual);
        if (std::memcmp(&e, &a, sizeof(double)) != 0)
            report.Add(caseNumber, field.name, Shown(e), Shown(a));
    }
}

template <class Record> void Replay(const GoldenCalc<Record>& calc) {
    GoldenReader reader(GoldenPath(calc.FileName()));
    MismatchReport report;
    GoldenCase c;
    long cases = 0;
    while (reader.Next(c)) {
        ASSERT_EQ(c.number, cases) << calc.name << ": cases out of order";
        ASSERT_EQ(static_cast<int>(c.lists.size()), calc.lists)
            << calc.name << " case " << c.number << ": list selections";
        auto actual = std::make_unique<Record>();
        auto expected = std::make_unique<Record>();
        if (!Fill(calc, c, c.in, *actual, "in") || !Fill(calc, c, c.out, *expected, "out"))
            return;

        const CalcOutcome outcome = calc.run(*actual, c.lists[0], calc.lists > 1 ? c.lists[1] : -1);
        if (calc.Refused(outcome) != c.refusal)
            report.Add(c.number, "outcome", Quoted(c.refusal), Quoted(calc.Refused(outcome)));
        if (outcome.undefined != c.undefined)
            report.Add(c.number, "undefined", Listed(c.undefined), Listed(outcome.undefined));
        Compare(calc, c.number, *expected, *actual, report);
        ++cases;
    }
    ASSERT_EQ(reader.Error(), "") << calc.name << ": " << GoldenPath(calc.FileName());
    EXPECT_EQ(reader.Total(), cases) << calc.name << ": the file's total";
    EXPECT_GE(cases, kMinCases) << calc.name;
    if (report.Count() > 0)
        ADD_FAILURE() << calc.name << ": " << report.Count() << " mismatches in " << report.Cases()
                      << " of " << cases << " cases"
                      << (report.Count() > kMaxReported ? "; the first ones" : "") << ":\n"
                      << report.Text();
}

} // namespace

TEST(GoldenMaster, CircularSlipSearch) {
    Replay(CircularGolden());
}

TEST(GoldenMaster, PolylineSlip) {
    Replay(PolylineGolden());
}

TEST(GoldenMaster, CombinedAction) {
    Replay(CombinedGolden());
}

TEST(GoldenMaster, HighCapForces) {
    Replay(HighCapGolden());
}
