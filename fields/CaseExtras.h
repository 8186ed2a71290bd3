#pragma once

#include "BishopMethod.h"
#include "CircleDetail.h"
#include "PileGroupDetail.h"
#include "PolylineSlip.h"
#include "ThoroughCircleSearch.h"
#include "TransferCoefficient.h"

#include <optional>
#include <string>
#include <vector>

namespace korvane {

// What a calculation gives besides its record, gathered by its calculator's descriptor
// from the core: whatever of it the calculator has is set, the rest stays empty, so that
// a face shows what it finds and never asks which calculator it has.

// A depth series of the pile calculators ("momentSeries").
struct SeriesInfo {
    const char* name;
    const char* label;
    const char* symbol;
    const char* unit;
};

struct DepthSeries {
    const SeriesInfo* info;
    std::vector<double> values; // one per depth point
};

// The moment and shear of one pile along its depth, at the points the calculation
// evaluated them.
struct PileDepthProfile {
    std::vector<double> depths; // below the pile top (the cap underside), m
    double groundDepth = 0;     // the ground line below the pile top (the free length l0), m
    std::vector<DepthSeries> series;

    const DepthSeries* Find(const char* name) const;
};

// Something the user should know of a calculation that went through.
struct CaseNote {
    enum class Kind {
        StrengthTakenAsZero, // a list had nothing chosen, so its strength counts as 0
        Implausible,         // an input outside the range where the method means something
        NoCircleFound,       // no trial circle undercut the search's start factor
    };
    Kind kind = Kind::StrengthTakenAsZero;
    std::string list;     // StrengthTakenAsZero: the list's caption ("桩身混凝土")
    std::string member;   // the strength taken as 0 ("ft"); the input outside its range ("h")
    std::string share;    // StrengthTakenAsZero: the share of the pile resistance it carries
    std::string label;    // Implausible: the input's label ("坡高h(m)")
    std::string value;    // Implausible: its value as its field shows it; NoCircleFound: ks
    std::string expected; // Implausible: what it should be ("应大于 0"); NoCircleFound: the
                          // factor no circle undercut ("499.999")
};

// The note for a list with nothing chosen, whose strength `member` counts as 0.
inline CaseNote StrengthTakenAsZeroNote(std::string list, std::string member, std::string share) {
    CaseNote note;
    note.list = std::move(list);
    note.member = std::move(member);
    note.share = std::move(share);
    return note;
}

// The thorough circle search beside the critical circle search's answer.
struct ThoroughBeside {
    ThoroughCircle circle;
    double shownKs = 0; // the factor the form shows, m_ks after the critical circle search
};

// The calculation worked out step by step by the loops that computed it, when asked
// for: what a reviewer checks by hand.
struct CalculationDetail {
    std::optional<CircleDetail> critical; // the circle whose factor is ks, when there is one
    // The factor of the centre the form shows, the search's last trial on the kept ray.
    std::optional<double> shownCentreFactor;
    std::optional<CircleDetail> thorough; // the thorough search's circle, when it ran and found one
    std::optional<PolylineSlipDetail> polyline;
    std::optional<PileGroupDetail> pileGroup;
};

// The design code's methods beside the form's own, on the same slices and loads, when
// asked for: the circles' simplified Bishop factors, the polyline's transfer-coefficient
// factor. The form's results do not change.
struct CodeMethods {
    std::optional<BishopFactor> bishop;     // of the circle whose ordinary factor is ks
    std::optional<BishopLeast> bishopLeast; // the least over the thorough family
    std::optional<TransferFactor> transfer;
};

struct CaseExtras {
    std::optional<ThoroughBeside> thorough; // when asked for, where the calculator has one
    std::optional<PileDepthProfile> depthProfile;
    std::vector<CaseNote> notes;
    CalculationDetail detail; // filled when asked for
    CodeMethods codeMethods;  // filled when asked for, where the calculator has them
};

} // namespace korvane
