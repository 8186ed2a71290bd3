// Writes the seed corpus of the fuzz targets: the defaults of each form, the
// examples of the calculations' checks, and the degenerate inputs the calculations
// refuse. Usage: make_seeds DIR (creates DIR/fuzz_NAME/...). The committed corpus
// under tests/fuzz/corpus was made with it; fuzzer finds are added beside.

#include "CircularSlipRecord.h"
#include "CombinedActionRecord.h"
#include "FormChoice.h"
#include "FormMembers.h"
#include "FuzzInputs.h"
#include "HighCapRecord.h"
#include "PolylineSlipRecord.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <string>
#include <vector>

using namespace korvane;

namespace fs = std::filesystem;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct CalcSeed {
    const char* name;
    std::vector<int> lists;               // selection per list; missing ones are -1
    std::map<std::string, double> values; // members by name; ints are given as doubles
    bool pressTwice = false;
};

void Write(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

template <class Record>
void WriteCalcSeeds(const fs::path& dir, korvane::MemberTable<Record> members, int lists,
                    const std::vector<CalcSeed>& seeds) {
    fs::create_directories(dir);
    for (const CalcSeed& seed : seeds) {
        fuzzin::InputEncoder enc;
        enc.Byte(seed.pressTwice ? 1 : 0);
        for (int i = 0; i < lists; ++i) {
            if (i < static_cast<int>(seed.lists.size()))
                enc.RawInt(seed.lists[i]);
            else
                enc.Keep();
        }
        std::size_t used = 0;
        for (const auto& info : members) {
            if (info.kind == korvane::FieldKind::None)
                continue;
            const auto it = seed.values.find(info.name);
            if (it == seed.values.end()) {
                enc.Keep();
                continue;
            }
            ++used;
            if (std::holds_alternative<double Record::*>(info.member))
                enc.RawDouble(it->second);
            else
                enc.RawInt(static_cast<int>(it->second));
        }
        if (used != seed.values.size()) {
            std::fprintf(stderr, "make_seeds: %s names a member without a field\n", seed.name);
            std::exit(1);
        }
        Write(dir / seed.name, enc.Bytes());
    }
}

void WriteTextSeeds(const fs::path& dir) {
    fs::create_directories(dir);
    const std::vector<std::pair<const char*, std::string>> seeds = {
        {"zero", "0"},
        {"decimal", "2.5"},
        {"blanks", " 2.5 \t"},
        {"comma", "2,5"},
        {"unit", "2.5m"},
        {"d_exponent", "1d2"},
        {"e_exponent", "1E+2"},
        {"minus_zero", "-0"},
        {"point_zero", ".0"},
        {"zero_exponent", "0e5"},
        {"overflow", "1e999"},
        {"underflow", "1e-999"},
        {"digits34", "1234567890123456789012345678901234"},
        {"whole_decimal", "12.5"},
        {"whole_clamped", "99999999999"},
        {"int_min", "-2147483648"},
        {"inf", "inf"},
        {"nan", "nan"},
        {"hex", "0x1p3"},
        {"empty", ""},
        {"wide_digits", "\xef\xbc\x91\xef\xbc\x92"},
        {"chinese_31", std::string(30, ' ') + "\xe6\x95\xb0" + "5"},
        {"largest", "1.79769313486232e+308"},
        {"smallest", "4.94065645841247e-324"},
        {"exponent_3", "1e-005"},
        {"sign_only", "+"},
        {"nul", std::string("5\0", 2)},
    };
    for (const auto& [name, text] : seeds)
        Write(dir / name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

const std::vector<CalcSeed> kCircular = {
    {"defaults", {}, {}},
    {"c30_hpb235", {0, 0}, {}, true},
    {"c55_hrb400", {5, 2}, {}},
    {"grade_past_table", {6, 3}, {}},
    {"sax_typed_0.1", {0, 0}, {{"sax", 0.1}}, true},
    {"h_zero", {0, 0}, {{"h", 0}}},
    {"h_negative", {0, 0}, {{"h", -6}}},
    {"h_infinite", {0, 0}, {{"h", kInf}}},
    {"beta_zero", {0, 0}, {{"beta", 0}}},
    {"beta_90", {0, 0}, {{"beta", 90}}},
    {"sax_negative", {0, 0}, {{"sax", -1}}},
    {"sax_tiny", {0, 0}, {{"sax", 1e-9}}},
    {"say_zero", {0, 0}, {{"say", 0}}},
    {"d_nan", {0, 0}, {{"d", kNaN}}},
    {"gamma_zero", {1, 1}, {{"gamma", 0}}},
    {"phi_90", {1, 1}, {{"phi", 90}}},
    {"stirrup_spacing_zero", {1, 1}, {{"stirrupSpacing", 0}}},
    {"results_typed", {0, 0}, {{"x", kNaN}, {"ks", -1e300}, {"R", kInf}}},
    // Found: a nearly flat slope once kept the search busy past the 2 s bound.
    {"regress_flat_slope",
     {2499, -1},
     {{"phi", -12},
      {"h", -129},
      {"a", 0.0001},
      {"beta", 0.0001},
      {"h1", 0.0001},
      {"L", 0.0001},
      {"sax", 0.0001},
      {"say", -2.2}}},
};

const std::vector<CalcSeed> kPolyline = {
    {"defaults", {}, {}},
    {"c30_hpb235", {0, 0}, {}, true},
    {"c55_hrb400", {5, 2}, {}},
    {"h1_one", {}, {{"h1", 1}}},
    {"H_zero", {}, {{"H", 0}}},
    {"h_zero", {0, 0}, {{"h", 0}}},
    {"h_tiny", {0, 0}, {{"h", 0.0005}}},
    {"L1_huge", {0, 0}, {{"L1", 1e308}}},
    {"L3_infinite", {0, 0}, {{"L3", kInf}}},
    {"sax_zero", {0, 0}, {{"sax", 0}}},
    {"sax_negative", {0, 0}, {{"sax", -1.8}}},
    {"theta_90", {0, 0}, {{"theta3", 90}}},
    {"theta_obtuse", {0, 0}, {{"theta2", 135}}},
    {"a_before_toe", {0, 0}, {{"a", -100}}},
    {"beta_zero", {0, 0}, {{"beta", 0}}},
    {"b_zero", {0, 0}, {{"b", 0}}},
    {"say_zero", {0, 0}, {{"say", 0}}},
};

const std::vector<CalcSeed> kCombined = {
    {"defaults", {}, {}},
    {"c30", {0}, {}, true},
    {"c55", {5}, {}},
    {"grade_past_table", {6}, {}},
    {"end_bearing", {0}, {{"pileType", 0}}},
    {"rock_surface", {0}, {{"bearingLayer", 1}}},
    {"rock_socket", {0}, {{"bearingLayer", 2}}},
    {"radio_none", {0}, {{"bearingLayer", -1}, {"pileType", -1}}},
    {"hn_half", {0}, {{"hn", 0.5}, {"etaC", 0.2}}},
    {"hn_zero", {0}, {{"hn", 0}}},
    {"voided", {0}, {{"l0", 0}}},
    {"l0_out_of_range", {0}, {{"l0", 25}}},
    {"short_piles", {0}, {{"h", 4}, {"hn", 2}}},
    {"no_piles", {0}, {{"nx", 0}}},
    {"negative_count", {0}, {{"nz", -1}}},
    {"too_many_piles", {0}, {{"nx", 51}, {"nz", 50}}},
    {"count_overflow", {0}, {{"nx", 2147483647}, {"nz", 2}}},
    {"d_zero", {0}, {{"d", 0}}},
    {"h_zero", {0}, {{"h", 0}}},
    {"ms_zero", {0}, {{"ms", 0}}},
    {"mp_zero", {0}, {{"mp", 0}}},
    {"H_infinite", {0}, {{"H", kInf}}},
};

const std::vector<CalcSeed> kHighCap = {
    {"defaults", {}, {}},
    {"c30", {0}, {}, true},
    {"c55", {5}, {}},
    {"grade_past_table", {6}, {}},
    {"end_bearing", {0}, {{"pileType", 0}}},
    {"end_bearing_soil", {0}, {{"pileType", 0}, {"bearingLayer", 1}}},
    {"single_pile", {0}, {{"nx", 1}, {"nz", 1}, {"H", 100}, {"M", 0}, {"NG", 1000}}},
    {"thick_short_pile", {0}, {{"d", 1.5}, {"h", 8}}},
    {"radio_none", {0}, {{"bearingLayer", -1}, {"pileType", -1}}},
    {"no_piles", {0}, {{"nx", 0}}},
    {"negative_count", {0}, {{"nz", -1}}},
    {"too_many_piles", {0}, {{"nx", 2501}, {"nz", 1}}},
    {"count_overflow", {0}, {{"nx", 65536}, {"nz", 65536}}},
    {"d_zero", {0}, {{"d", 0}}},
    {"h_zero", {0}, {{"h", 0}}},
    {"ms1_zero", {0}, {{"ms1", 0}}},
    {"mp_zero", {0}, {{"mp", 0}}},
    {"l0_zero", {0}, {{"l0", 0}}},
    {"phi_out_of_range", {0}, {{"phi", 90}}},
    {"M_nan", {0}, {{"M", kNaN}}},
    // Found: a negative axial stiffness without vertical load gives a pile-top force of -0.
    {"regress_minus_zero_ntop",
     {5},
     {{"xiN", -0.5}, {"nx", 1}, {"nz", 3}, {"h", 34000000}, {"NG", 0}}},
};

// The form target's layout (fuzz_form_exchange.cpp): the form (FormChoice.h), then
// per field a selector (0 keep, 1 number, 3 typed characters), per radio group one
// byte (0 keeps the choice), one value per list (keep: none chosen), then the action
// (0 read, 1 calculate, 2 "OK").
struct FormSeed {
    const char* name;
    std::vector<int> lists; // selection per list; missing ones are kept
    int action;
    std::map<std::string, double> numbers;
    std::map<std::string, std::string> typed; // characters of " \t0123456789.+-eEdD"
};

template <class Record>
void WriteFormSeeds(const fs::path& dir, fuzzform::FormChoice form,
                    korvane::MemberTable<Record> members, int lists,
                    const std::vector<FormSeed>& seeds) {
    static const std::string kChars = " \t0123456789.+-eEdD";
    fs::create_directories(dir);
    for (const FormSeed& seed : seeds) {
        fuzzin::InputEncoder enc;
        std::size_t used = 0;
        for (const auto& info : members) {
            if (info.kind == korvane::FieldKind::Radio) {
                enc.Byte(0);
            } else if (info.kind != korvane::FieldKind::None) {
                if (const auto n = seed.numbers.find(info.name); n != seed.numbers.end()) {
                    ++used;
                    enc.Byte(1);
                    enc.RawDouble(n->second);
                } else if (const auto t = seed.typed.find(info.name); t != seed.typed.end()) {
                    ++used;
                    enc.Byte(3);
                    enc.Byte(static_cast<std::uint8_t>(t->second.size()));
                    for (char c : t->second)
                        enc.Byte(static_cast<std::uint8_t>(kChars.find(c)));
                } else {
                    enc.Byte(0);
                }
            }
        }
        if (used != seed.numbers.size() + seed.typed.size()) {
            std::fprintf(stderr, "make_seeds: %s names a member without a field\n", seed.name);
            std::exit(1);
        }
        for (int i = 0; i < lists; ++i) {
            if (i < static_cast<int>(seed.lists.size()))
                enc.RawInt(seed.lists[i]);
            else
                enc.Keep();
        }
        enc.Byte(static_cast<std::uint8_t>(seed.action));
        std::vector<std::uint8_t> bytes = enc.Bytes();
        bytes.insert(bytes.begin(), static_cast<std::uint8_t>(form));
        Write(dir / seed.name, bytes);
    }
}

const std::vector<FormSeed> kCircularForm = {
    {"circular_read_defaults", {}, 0, {}, {}},
    {"circular_calculate_c30_hpb235", {0, 0}, 1, {}, {}},
    {"circular_calculate_without_grades", {}, 1, {}, {}},
    {"circular_ok_defaults", {}, 2, {}, {}},
    {"circular_refused_text", {0, 0}, 1, {}, {{"beta", "3.4.5"}}},
};

const std::vector<FormSeed> kPolylineForm = {
    {"polyline_read_defaults", {}, 0, {}, {}},
    {"polyline_calculate_c30_hpb235", {0, 0}, 1, {}, {}},
    {"polyline_calculate_without_grades", {}, 1, {}, {}},
    {"polyline_ok_defaults", {}, 2, {}, {}},
    {"polyline_d_exponent_text", {0, 0}, 1, {}, {{"theta2", "3d1"}}},
};

const std::vector<FormSeed> kCombinedForm = {
    {"combined_read_defaults", {}, 0, {}, {}},
    {"combined_calculate_c30", {0}, 1, {}, {}},
    {"combined_calculate_without_grade", {}, 1, {}, {}},
    {"combined_ok_defaults", {}, 2, {}, {}},
    {"combined_out_of_range", {0}, 1, {{"l0", 25}}, {}},
    {"combined_ok_out_of_range", {0}, 2, {{"l0", -1}}, {}},
    {"combined_minus_zero_text", {0}, 0, {}, {{"nz", "-0"}}},
};

const std::vector<FormSeed> kHighCapForm = {
    {"highcap_read_defaults", {-1}, 0, {}, {}},
    {"highcap_calculate_c30", {0}, 1, {}, {}},
    {"highcap_calculate_without_grade", {-1}, 1, {}, {}},
    {"highcap_ok_defaults", {-1}, 2, {}, {}},
    {"highcap_refused_text", {0}, 1, {}, {{"h", "3.4.5"}}},
    {"highcap_minus_zero_text", {0}, 0, {}, {{"nx", "-0"}}},
    {"highcap_d_exponent_text", {0}, 1, {}, {{"M", " 4.8d5\t"}}},
    {"highcap_out_of_range", {0}, 1, {{"xiN", 2}}, {}},
    {"highcap_ok_out_of_range", {0}, 2, {{"l0", 60}}, {}},
    {"highcap_infinite_load", {0}, 1, {{"H", kInf}}, {}},
    {"highcap_result_typed", {0}, 1, {{"Ntop", 1e300}, {"capBeta", -1}}, {}},
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds DIR\n");
        return 2;
    }
    const fs::path root = argv[1];
    WriteTextSeeds(root / "fuzz_field_text");
    WriteCalcSeeds(root / "fuzz_circular", korvane::CircularSlipMembers(), 2, kCircular);
    WriteCalcSeeds(root / "fuzz_thorough", korvane::CircularSlipMembers(), 2, kCircular);
    WriteCalcSeeds(root / "fuzz_polyline", korvane::PolylineSlipMembers(), 2, kPolyline);
    WriteCalcSeeds(root / "fuzz_combined", korvane::CombinedActionMembers(), 1, kCombined);
    WriteCalcSeeds(root / "fuzz_highcap", korvane::HighCapMembers(), 1, kHighCap);
    const fs::path forms = root / "fuzz_form_exchange";
    WriteFormSeeds(forms, fuzzform::FormChoice::Circular, korvane::CircularSlipMembers(), 2,
                   kCircularForm);
    WriteFormSeeds(forms, fuzzform::FormChoice::Polyline, korvane::PolylineSlipMembers(), 2,
                   kPolylineForm);
    WriteFormSeeds(forms, fuzzform::FormChoice::Combined, korvane::CombinedActionMembers(), 1,
                   kCombinedForm);
    WriteFormSeeds(forms, fuzzform::FormChoice::HighCap, korvane::HighCapMembers(), 1,
                   kHighCapForm);
    return 0;
}
