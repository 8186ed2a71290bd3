#pragma once

#include "CaseExtras.h"
#include "DesignChecks.h"
#include "JsonText.h"

#include <string>
#include <vector>

namespace korvane {

// The calculation's detail and checks as JSON, every number at full precision.

namespace detail_json {

// {"a": 1, "b": 2} from name-value pairs.
inline std::string Object(std::initializer_list<std::pair<const char*, std::string>> fields) {
    std::string out = "{";
    bool first = true;
    for (const auto& [name, value] : fields) {
        out += (first ? "" : ", ") + JsonString(name) + ": " + value;
        first = false;
    }
    return out + "}";
}

template <class T, class Each> std::string Array(const std::vector<T>& items, Each&& each) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? ", " : "") + each(items[i]);
    return out + "]";
}

inline std::string N(double v) {
    return JsonNumber(v);
}

// A polyline strip's or pile row's segment as the form numbers them, 1 at the top.
inline std::string FormSegment(int indexFromToe) {
    return std::to_string(kPolylineSegments - indexFromToe);
}

inline std::string CircleJson(const CircleDetail& c) {
    const std::string slices = Array(c.slices, [](const CircleSliceDetail& s) {
        return Object({{"xL", N(s.leftX)},
                       {"xR", N(s.rightX)},
                       {"yR", N(s.rightSlipY)},
                       {"groundR", N(s.rightGroundY)},
                       {"alpha", N(s.alpha)},
                       {"l", N(s.baseLength)},
                       {"area", N(s.area)},
                       {"W", N(s.weight)},
                       {"capLoad", N(s.capLoad)},
                       {"liquefied", N(s.liquefied)},
                       {"seismic", N(s.seismic)},
                       {"capHorizontal", N(s.capHorizontal)},
                       {"V", N(s.vertical)},
                       {"P", N(s.horizontal)},
                       {"N", N(s.normal)},
                       {"resisting", N(s.resisting)},
                       {"driving", N(s.driving)}});
    });
    const std::string rows = Array(c.pileRows, [](const CirclePileRowDetail& r) {
        return Object(
            {{"x", N(r.x)}, {"y", N(r.y)}, {"alpha", N(r.alpha)}, {"resistance", N(r.resistance)}});
    });
    return Object({{"x0", N(c.x0)},
                   {"y0", N(c.y0)},
                   {"R", N(c.radius)},
                   {"xC", N(c.exitX)},
                   {"sliceWidth", N(c.sliceWidth)},
                   {"Vp", N(c.pileShear)},
                   {"Sr", N(c.soilResisting)},
                   {"Sp", N(c.pileResisting)},
                   {"Sd", N(c.driving)},
                   {"factor", N(c.factor)},
                   {"slices", slices},
                   {"pileRows", rows}});
}

inline std::string PolylineJson(const PolylineSlipDetail& p) {
    const std::string vertices = Array(std::vector<double>(p.vertexX.begin(), p.vertexX.end()),
                                       [](double x) { return N(x); });
    const std::string strips = Array(p.strips, [](const PolylineStripDetail& d) {
        const PolylineStrip& s = d.strip;
        return Object({{"x1", N(d.leftX)},
                       {"x2", N(s.rightX)},
                       {"segment", FormSegment(s.segment)},
                       {"alpha", N(s.alpha)},
                       {"l", N(d.baseLength)},
                       {"slipY", N(s.slipY)},
                       {"groundY", N(s.groundY)},
                       {"W", N(s.weight)},
                       {"V", N(d.vertical)},
                       {"Q", N(d.horizontal)},
                       {"N", N(s.normal)},
                       {"resisting", N(d.resisting)},
                       {"driving", N(d.driving)}});
    });
    const std::string rows = Array(p.pileRows, [](const PolylinePileRow& r) {
        return Object(
            {{"x", N(r.x)}, {"segment", FormSegment(r.segment)}, {"resistance", N(r.resistance)}});
    });
    return Object({{"vertexX", vertices},
                   {"stripWidth", N(p.stripWidth)},
                   {"Vp", N(p.pileShear)},
                   {"Sr", N(p.soilResisting)},
                   {"Sp", N(p.pileResisting)},
                   {"Sd", N(p.driving)},
                   {"factor", N(p.factor)},
                   {"strips", strips},
                   {"pileRows", rows}});
}

inline std::string PileGroupJson(const PileGroupDetail& g) {
    const std::string piles = Array(g.rows, [](const PileRowForce& r) {
        return Object({{"x", N(r.x)}, {"count", std::to_string(r.count)}, {"N", N(r.N)}});
    });
    const std::string depth = Array(g.depth, [](const PileDepthPoint& p) {
        return Object({{"reduced", p.freeLength ? "null" : N(p.reduced)},
                       {"belowGround", N(p.belowGround)},
                       {"belowCap", N(p.belowCap)},
                       {"M", N(p.M)},
                       {"Q", N(p.Q)}});
    });
    return Object({{"piles", piles},
                   {"Nmax", N(g.Nmax)},
                   {"NmaxX", N(g.NmaxX)},
                   {"Nmin", N(g.Nmin)},
                   {"NminX", N(g.NminX)},
                   {"Nmean", N(g.Nmean)},
                   {"H0", N(g.H0)},
                   {"Mtop", N(g.Mtop)},
                   {"M0", N(g.M0)},
                   {"x0", N(g.x0)},
                   {"phi0", N(g.phi0)},
                   {"l0", N(g.l0)},
                   {"depth", depth}});
}

} // namespace detail_json

// "detail": the calculation step by step: the slope forms' circles or polyline by
// name, or a pile group's forces and depth table.
inline std::string DetailJson(const CalculationDetail& d) {
    using namespace detail_json;
    std::string out = "{";
    const auto add = [&out](const char* key, const std::string& value) {
        out += (out.size() > 1 ? ", " : "") + JsonString(key) + ": " + value;
    };
    if (d.critical)
        add("critical", CircleJson(*d.critical));
    if (d.thorough)
        add("thorough", CircleJson(*d.thorough));
    if (d.polyline)
        add("polyline", PolylineJson(*d.polyline));
    // A pile group's detail is the whole of it.
    if (d.pileGroup)
        return PileGroupJson(*d.pileGroup);
    return out + "}";
}

// "checks": each verdict with its value (unrounded), limit, basis and word.
inline std::string ChecksJson(const std::vector<DesignCheck>& checks) {
    using namespace detail_json;
    return Array(checks, [](const DesignCheck& c) {
        return Object(
            {{"name", JsonString(c.name)},
             {"item", JsonString(c.item)},
             {"value", c.value ? N(*c.value) : "null"},
             {"text", c.value ? JsonString(c.valueText) : "null"},
             {"limit", N(c.limit)},
             {"limitText", JsonString(c.limitText)},
             {"relation", JsonString(c.relation == DesignCheck::Relation::AtLeast ? ">=" : "<=")},
             {"basis", JsonString(c.basis)},
             {"met", c.met ? "true" : "false"},
             {"verdict", JsonString(VerdictWord(c))}});
    });
}

} // namespace korvane
