#pragma once

// The values a golden case holds of one record: every double and int member of the
// record's member table, by name, and for the pile records the 41 used entries of both
// depth series ("momentSeries[0]" .. "shearSeries[40]"). A double is written as the 16
// hex digits of its bit pattern, so that -0 and the payload of a NaN survive; an int
// as its decimal value.

#include "MemberTable.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

using namespace korvane;

template <class Record> struct GoldenField {
    std::string name;
    double Record::*real = nullptr;
    int Record::*whole = nullptr;
    double* (*series)(Record&) = nullptr; // first entry of a depth series
    int index = 0;                        // entry of the depth series
    korvane::FieldKind kind =
        korvane::FieldKind::None; // the control showing it; None for the series

    bool IsWhole() const { return whole != nullptr; }
    double& Real(Record& r) const { return series ? series(r)[index] : r.*real; }
    int& Whole(Record& r) const { return r.*whole; }

    std::string Encode(Record& r) const {
        char text[24];
        if (IsWhole())
            std::snprintf(text, sizeof text, "%d", Whole(r));
        else
            std::snprintf(text, sizeof text, "%016llx",
                          static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(Real(r))));
        return text;
    }

    // False when the text is not a value of this field's type.
    bool Decode(Record& r, std::string_view text) const {
        const char* end = text.data() + text.size();
        if (IsWhole()) {
            int v = 0;
            const auto [ptr, ec] = std::from_chars(text.data(), end, v);
            if (ec != std::errc() || ptr != end)
                return false;
            Whole(r) = v;
            return true;
        }
        std::uint64_t bits = 0;
        if (text.size() != 16)
            return false;
        const auto [ptr, ec] = std::from_chars(text.data(), end, bits, 16);
        if (ec != std::errc() || ptr != end)
            return false;
        Real(r) = std::bit_cast<double>(bits);
        return true;
    }
};

template <class Record> struct GoldenSeries {
    const char* name;
    double* (*first)(Record&);
};

// The fields of a record: its table in declaration order, then each series entry by
// entry.
template <class Record>
std::vector<GoldenField<Record>> GoldenFieldsOf(korvane::MemberTable<Record> table,
                                                const std::vector<GoldenSeries<Record>>& series,
                                                int seriesPoints) {
    std::vector<GoldenField<Record>> fields;
    for (const auto& info : table) {
        GoldenField<Record> f;
        f.name = info.name;
        f.kind = info.kind;
        if (const auto* p = std::get_if<double Record::*>(&info.member))
            f.real = *p;
        else
            f.whole = std::get<int Record::*>(info.member);
        fields.push_back(f);
    }
    for (const auto& s : series) {
        for (int i = 0; i < seriesPoints; ++i) {
            GoldenField<Record> f;
            f.name = std::string(s.name) + "[" + std::to_string(i) + "]";
            f.series = s.first;
            f.index = i;
            fields.push_back(f);
        }
    }
    return fields;
}
