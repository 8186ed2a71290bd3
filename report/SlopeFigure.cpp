#include "SlopeFigure.h"

#include "CircularSlip.h"
#include "FigurePainting.h"
#include "PolylineSlip.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvane {

namespace {

// More rows than this are drawn as the block they make, not pile by pile.
constexpr int kMostDrawnPileRows = 400;

bool Finite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

} // namespace

SlopeFigure SlopeFigureOf(const CircularSlipRecord& r, bool withCircle) {
    SlopeFigure f;
    f.section = SlopeSectionOf(r);
    f.rowSpacing = CircleSearchSpacing(r.m_sax);
    f.spacingSubstituted = r.m_sax == 0;
    f.pileX = PileRowPositions(f.section, f.rowSpacing, kMostDrawnPileRows);
    if (withCircle)
        f.circle = SlopeCircle{r.m_x, r.m_y, r.m_R, QStringLiteral("临界滑弧")};
    return f;
}

SlopeFigure SlopeFigureOf(const PolylineSlipRecord& r) {
    SlopeFigure f;
    f.section = SlopeSectionOf(r);
    f.rowSpacing = r.m_sax;
    f.pileX = PileRowPositions(f.section, r.m_sax, kMostDrawnPileRows);
    for (const SlipVertex& v : PolylineVertices(r))
        f.slipPolyline.emplace_back(v.x, v.y);
    return f;
}

double GroundHeight(const SlopeFigure& f, double x) {
    if (x <= 0)
        return 0;
    return std::min(f.section.slope * x, f.in().h);
}

std::vector<QPointF> SlipArc(const SlopeFigure& f, const SlopeCircle& c) {
    std::vector<QPointF> arc;
    if (!Finite({c.x, c.y, c.radius}) || !(c.radius > 0))
        return arc;
    auto pointAt = [&](double t) {
        return QPointF(c.x + c.radius * std::cos(t), c.y + c.radius * std::sin(t));
    };
    auto inSoil = [&](const QPointF& p) {
        return p.y() <= GroundHeight(f, p.x()) + 1e-9 * c.radius;
    };
    // Start at the circle's point nearest the toe and turn counter-clockwise, which
    // leads under the centre toward the crest.
    const double start = std::atan2(-c.y, -c.x);
    const double step = std::numbers::pi / 180;
    arc.push_back(pointAt(start));
    bool entered = false;
    for (int i = 1; i <= 360; ++i) {
        const double t = start + i * step;
        const QPointF p = pointAt(t);
        if (inSoil(p)) {
            entered = true;
            arc.push_back(p);
            continue;
        }
        if (!entered) {
            arc.push_back(p);
            continue;
        }
        // Out of the soil: find where the circle crosses the ground.
        double lo = t - step, hi = t;
        for (int k = 0; k < 40; ++k) {
            const double mid = 0.5 * (lo + hi);
            (inSoil(pointAt(mid)) ? lo : hi) = mid;
        }
        arc.push_back(pointAt(lo));
        break;
    }
    return arc;
}

SlopeGeometry SlopeGeometryOf(const SlopeFigure& f) {
    SlopeGeometry g;
    const SlopeSection& s = f.section;
    g.crestX = s.crestX;
    g.capNear = s.capNear;
    g.capFar = s.capFar;
    const SlopeInputs& in = s.in;
    if (!Finite({in.h, in.beta, in.a, in.b, in.hb, in.L, in.h1, f.PileDiameter(), g.crestX,
                 g.capFar}) ||
        !(in.h > 0) || !(s.slope > 0))
        return g;

    double minX = 0, maxX = std::max(g.crestX, g.capFar);
    double minY = std::min(0.0, in.h - in.hb - in.L), maxY = in.h;
    auto include = [&](const std::vector<QPointF>& points) {
        for (const QPointF& p : points) {
            minX = std::min(minX, p.x());
            maxX = std::max(maxX, p.x());
            minY = std::min(minY, p.y());
            maxY = std::max(maxY, p.y());
        }
    };
    if (f.circle) {
        g.arc = SlipArc(f, *f.circle);
        include(g.arc);
        include({QPointF(f.circle->x, f.circle->y)});
    }
    if (f.secondCircle) {
        g.secondArc = SlipArc(f, *f.secondCircle);
        include(g.secondArc);
        include({QPointF(f.secondCircle->x, f.secondCircle->y)});
    }
    include(f.slipPolyline);
    if (!Finite({minX, maxX, minY, maxY}))
        return g;
    // Some level ground on both sides so that toe and cap stand clear of the edges.
    const double span = maxX - minX;
    minX -= 0.08 * span + f.PileDiameter();
    maxX += 0.08 * span + f.PileDiameter();
    g.ground = {{minX, 0}, {0, 0}, {g.crestX, in.h}, {maxX, in.h}};
    g.bounds = QRectF(QPointF(minX, minY), QPointF(maxX, maxY));
    g.drawable = g.bounds.width() > 0 && g.bounds.height() > 0;
    return g;
}

double SlopeFigureAspect(const SlopeFigure& f) {
    const SlopeGeometry g = SlopeGeometryOf(f);
    if (!g.drawable)
        return 0.3;
    // Room for dimensions and labels around the section itself.
    const double aspect =
        (g.bounds.height() * 1.0 + 0.12 * g.bounds.width()) / (g.bounds.width() * 1.12);
    return std::clamp(aspect, 0.45, 1.15);
}

namespace {

// World metres to the figure's rectangle, one scale for both axes.
struct SectionMap {
    SectionMap(const QRectF& area, const QRectF& world) {
        scale = std::min(area.width() / world.width(), area.height() / world.height());
        const double usedW = world.width() * scale, usedH = world.height() * scale;
        left = area.left() + (area.width() - usedW) / 2;
        bottom = area.bottom() - (area.height() - usedH) / 2;
        minX = world.left();
        minY = world.top();
    }
    QPointF operator()(double x, double y) const {
        return {left + (x - minX) * scale, bottom - (y - minY) * scale};
    }
    QPointF operator()(const QPointF& p) const { return (*this)(p.x(), p.y()); }
    double scale, left, bottom, minX, minY;
};

QPolygonF Mapped(const SectionMap& map, const std::vector<QPointF>& points) {
    QPolygonF polygon;
    for (const QPointF& p : points)
        polygon << map(p);
    return polygon;
}

const QColor kSoil(238, 232, 218);
const QColor kConcrete(190, 190, 190);
const QColor kSlip(200, 30, 30);
const QColor kSecondSlip(30, 80, 200);
const QColor kCodeMethodSlip(0, 120, 60);

void PaintCircle(const FigureStyle& st, const SectionMap& map, const SlopeCircle& c,
                 const std::vector<QPointF>& arc, const QColor& color, bool dashed,
                 bool labelBelow) {
    QPainter& p = st.painter;
    const double u = st.unit;
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(st.Pen(color, 0.55,
                    c.codeMethod ? Qt::DashDotLine : (dashed ? Qt::DashLine : Qt::SolidLine)));
    p.drawPolyline(Mapped(map, arc));
    const QPointF centre = map(c.x, c.y);
    // The radius to the lowest point of the drawn arc.
    if (!arc.empty()) {
        const QPointF low =
            *std::min_element(arc.begin(), arc.end(),
                              [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        p.setPen(st.Pen(color, 0.2, Qt::DashDotLine));
        p.drawLine(centre, map(low));
        // The second circle's radius is labelled nearer its centre, away from the crest
        // where the first circle's centre and labels lie.
        const double along = labelBelow ? 0.3 : 0.5;
        DrawLabel(st, centre + (map(low) - centre) * along + QPointF(0.8 * u, 0),
                  QStringLiteral("R=%1 m").arg(FigureNumber(c.radius)),
                  Qt::AlignLeft | Qt::AlignVCenter, st.Font(2.8), color);
    }
    p.setPen(st.Pen(color, 0.3));
    const double s = 1.2 * u;
    p.drawLine(centre - QPointF(s, 0), centre + QPointF(s, 0));
    p.drawLine(centre - QPointF(0, s), centre + QPointF(0, s));
    p.restore();
    const QString text =
        QStringLiteral("%1 圆心 O(%2, %3)").arg(c.label, FigureNumber(c.x), FigureNumber(c.y));
    // Left of the centre lies the air above the slope face; a centre near the figure's
    // left edge has its label on the right.
    const QFont font = st.Font(2.8, true);
    const bool left =
        centre.x() - 1.6 * u - QFontMetricsF(font, p.device()).horizontalAdvance(text) >=
        st.rect.left();
    DrawLabel(
        st, centre + QPointF(left ? -1.6 * u : 1.6 * u, labelBelow ? 1.2 * u : -1.2 * u), text,
        (left ? Qt::AlignRight : Qt::AlignLeft) | (labelBelow ? Qt::AlignTop : Qt::AlignBottom),
        font, color);
}

// The centre the results table shows, a small ring with its coordinates to the right,
// away from the circle's own label on the left.
void PaintShownCentre(const FigureStyle& st, const SectionMap& map, const QPointF& at) {
    QPainter& p = st.painter;
    const double u = st.unit;
    const QPointF centre = map(at.x(), at.y());
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(st.Pen(Qt::black, 0.25));
    p.drawEllipse(centre, 0.9 * u, 0.9 * u);
    // A leader up and to the right, clear of the dimensions over the crest and the cap.
    const QPointF label = centre + QPointF(4 * u, -8 * u);
    p.setPen(st.Pen(Qt::black, 0.15));
    p.drawLine(centre + QPointF(0.6 * u, -0.7 * u), label);
    p.restore();
    DrawLabel(st, label + QPointF(0.5 * u, 0),
              QStringLiteral("表中圆心(%1, %2)").arg(FigureNumber(at.x()), FigureNumber(at.y())),
              Qt::AlignLeft | Qt::AlignVCenter, st.Font(2.6), Qt::black);
}

} // namespace

void PaintSlopeFigure(QPainter& p, const QRectF& rect, const SlopeFigure& f) {
    const FigureStyle st(p, rect);
    const double u = st.unit;
    const SlopeGeometry g = SlopeGeometryOf(f);
    const SlopeInputs& in = f.in();
    const double d = f.PileDiameter();
    if (!g.drawable) {
        DrawLabel(st, rect.center(), QStringLiteral("输入的坡高、坡角或尺寸不能按比例绘制。"),
                  Qt::AlignCenter, st.Font(3.2));
        return;
    }
    // Margins for the dimensions: h on the left, a and b above, hb and L on the right,
    // the scale bar below.
    const QRectF area = rect.adjusted(9 * u, 9 * u, -13 * u, -9 * u);
    const SectionMap map(area, g.bounds);
    const double minY = g.bounds.top(), maxX = g.bounds.right(), minX = g.bounds.left();

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);

    // Soil under the ground line.
    std::vector<QPointF> soil = g.ground;
    soil.push_back({maxX, minY});
    soil.push_back({minX, minY});
    p.setPen(Qt::NoPen);
    p.setBrush(kSoil);
    p.drawPolygon(Mapped(map, soil));

    // Liquefied layer under the level ground beyond the crest.
    if (in.h1 > 0) {
        const QRectF layer(map(g.crestX, in.h), map(maxX, in.h - in.h1));
        p.setBrush(QBrush(QColor(70, 130, 200), Qt::BDiagPattern));
        p.setPen(Qt::NoPen);
        p.drawRect(layer.normalized());
        DrawLabel(st, QPointF(layer.right() - 1 * u, layer.normalized().center().y()),
                  QStringLiteral("液化层 h1=%1 m").arg(FigureNumber(in.h1)),
                  Qt::AlignRight | Qt::AlignVCenter, st.Font(2.6), QColor(30, 70, 140));
    }

    // Piles from the cap base down.
    const double pileTop = in.h - in.hb, pileTip = in.h - in.hb - in.L;
    p.setBrush(kConcrete);
    p.setPen(st.Pen(QColor(80, 80, 80), 0.2));
    // Rows closer than the drawing can part are one hatched band, labelled with the
    // spacing they are counted at and their number.
    const bool band =
        f.pileX.size() > 1 && std::abs(map(f.pileX[1], 0).x() - map(f.pileX[0], 0).x()) -
                                      std::abs(map(d, 0).x() - map(0, 0).x()) <
                                  0.6 * u;
    if (band) {
        const QRectF rows =
            QRectF(map(f.pileX.front() - d / 2, pileTop), map(f.pileX.back() + d / 2, pileTip))
                .normalized();
        p.setBrush(QBrush(QColor(110, 110, 110), Qt::FDiagPattern));
        p.drawRect(rows);
    } else {
        for (double x : f.pileX)
            p.drawRect(QRectF(map(x - d / 2, pileTop), map(x + d / 2, pileTip)).normalized());
    }

    // The cap, its top at the ground, its base hb below.
    const QRectF cap = QRectF(map(g.capNear, in.h), map(g.capFar, in.h - in.hb)).normalized();
    p.setBrush(QColor(150, 150, 150));
    p.setPen(st.Pen(Qt::black, 0.3));
    p.drawRect(cap);

    // Ground line.
    p.setBrush(Qt::NoBrush);
    p.setPen(st.Pen(Qt::black, 0.45));
    p.drawPolyline(Mapped(map, g.ground));

    // Slip surfaces.
    if (!f.slipPolyline.empty()) {
        p.setPen(st.Pen(kSlip, 0.55));
        p.drawPolyline(Mapped(map, f.slipPolyline));
        p.setBrush(kSlip);
        p.setPen(Qt::NoPen);
        for (const QPointF& v : f.slipPolyline)
            p.drawEllipse(map(v), 0.6 * u, 0.6 * u);
        // Segments are numbered 3, 2, 1 from the toe, as the form numbers them.
        for (std::size_t k = 0; k + 1 < f.slipPolyline.size(); ++k) {
            const QPointF a = map(f.slipPolyline[k]), b = map(f.slipPolyline[k + 1]);
            const QPointF dir = b - a;
            const double len = std::hypot(dir.x(), dir.y());
            if (!(len > 0))
                continue;
            const QPointF below(dir.y() / len, -dir.x() / len); // right of the direction
            DrawLabel(st, (a + b) / 2 + below * (1.2 * u),
                      QStringLiteral("滑面%1").arg(3 - static_cast<int>(k)),
                      (below.x() >= 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop,
                      st.Font(2.6, true), kSlip);
        }
    }
    p.restore();
    if (f.circle)
        PaintCircle(st, map, *f.circle, g.arc, kSlip, false, false);
    if (f.shownCentre)
        PaintShownCentre(st, map, *f.shownCentre);
    if (f.secondCircle)
        PaintCircle(st, map, *f.secondCircle, g.secondArc,
                    f.secondCircle->codeMethod ? kCodeMethodSlip : kSecondSlip, true, true);

    // Points A and B, and the cap's name.
    const QPointF toe = map(0, 0), crest = map(g.crestX, in.h);
    DrawLabel(st, toe + QPointF(-0.8 * u, 0.8 * u), QStringLiteral("A(0, 0)"),
              Qt::AlignRight | Qt::AlignTop, st.Font(2.6));
    DrawLabel(st, crest + QPointF(-0.8 * u, -0.6 * u), QStringLiteral("B"),
              Qt::AlignRight | Qt::AlignBottom, st.Font(2.8, true));
    DrawLabel(st, QPointF(cap.center().x(), cap.top() - 0.5 * u), QStringLiteral("承台"),
              Qt::AlignHCenter | Qt::AlignBottom, st.Font(2.6), Qt::black, false);
    if (!f.pileX.empty())
        DrawLabel(st, map(f.pileX.front() - d / 2, pileTip + 0.5 * in.L) - QPointF(0.8 * u, 0),
                  QStringLiteral("桩 d=%1 m").arg(FigureNumber(d, 3)),
                  Qt::AlignRight | Qt::AlignVCenter, st.Font(2.6));
    if (band) {
        const QString spacing =
            f.spacingSubstituted
                ? QStringLiteral("sax = 0，按 %1 m 计").arg(FigureNumber(f.rowSpacing))
                : QStringLiteral("sax = %1 m").arg(FigureNumber(f.rowSpacing));
        DrawLabel(st, map((f.pileX.front() + f.pileX.back()) / 2, pileTip) + QPointF(0, 0.8 * u),
                  QStringLiteral("桩排 %1 排（%2）").arg(f.pileX.size()).arg(spacing),
                  Qt::AlignHCenter | Qt::AlignTop, st.Font(2.6));
    }

    // Axes at the toe.
    const double axis = 7 * u;
    DrawArrow(st, toe, toe + QPointF(axis, 0), QColor(90, 90, 90));
    DrawArrow(st, toe, toe - QPointF(0, axis), QColor(90, 90, 90));
    DrawLabel(st, toe + QPointF(axis, 0.6 * u), QStringLiteral("x"), Qt::AlignLeft | Qt::AlignTop,
              st.Font(2.6), QColor(90, 90, 90), false);
    DrawLabel(st, toe - QPointF(-0.6 * u, axis), QStringLiteral("y"),
              Qt::AlignLeft | Qt::AlignVCenter, st.Font(2.6), QColor(90, 90, 90), false);

    // Slope angle at the toe.
    {
        const double r = 6 * u;
        p.save();
        p.setPen(st.Pen(Qt::black, 0.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(toe - QPointF(r, r), toe + QPointF(r, r)), 0,
                  static_cast<int>(std::lround(in.beta * 16)));
        p.restore();
        const double mid = in.beta / 2 * std::numbers::pi / 180;
        DrawLabel(st, toe + QPointF(std::cos(mid), -std::sin(mid)) * (r + 0.6 * u),
                  QStringLiteral("β=%1°").arg(FigureNumber(in.beta)),
                  Qt::AlignLeft | Qt::AlignVCenter, st.Font(2.8));
    }

    // Dimensions: h left of the toe; a and b above the ground; hb and L right of the cap.
    const double left = map(minX, 0).x() - 4 * u;
    DrawDimension(st, QPointF(left, toe.y()), QPointF(left, crest.y()),
                  QStringLiteral("h=%1").arg(FigureNumber(in.h)), QPointF(-1, 0));
    const double top = crest.y() - 5 * u;
    DrawDimension(st, QPointF(crest.x(), top), QPointF(cap.left(), top),
                  QStringLiteral("a=%1").arg(FigureNumber(in.a)), QPointF(0, -1));
    DrawDimension(st, QPointF(cap.left(), top), QPointF(cap.right(), top),
                  QStringLiteral("b=%1").arg(FigureNumber(in.b)), QPointF(0, -1));
    const double right = map(maxX, 0).x() + 3 * u;
    DrawDimension(st, QPointF(right, map(0, in.h).y()), QPointF(right, map(0, pileTop).y()),
                  QStringLiteral("hb=%1").arg(FigureNumber(in.hb)), QPointF(1, 0));
    DrawDimension(st, QPointF(right, map(0, pileTop).y()), QPointF(right, map(0, pileTip).y()),
                  QStringLiteral("L=%1").arg(FigureNumber(in.L)), QPointF(1, 0));
    // Extension lines from the cap's edges and the ground to the dimension lines.
    p.save();
    p.setPen(st.Pen(QColor(120, 120, 120), 0.12));
    p.drawLine(QPointF(crest.x(), crest.y() - 0.8 * u), QPointF(crest.x(), top - 0.8 * u));
    p.drawLine(QPointF(cap.left(), cap.top() - 0.8 * u), QPointF(cap.left(), top - 0.8 * u));
    p.drawLine(QPointF(cap.right(), cap.top() - 0.8 * u), QPointF(cap.right(), top - 0.8 * u));
    p.drawLine(QPointF(toe.x() - 0.8 * u, toe.y()), QPointF(left - 0.8 * u, toe.y()));
    p.drawLine(QPointF(crest.x() - 0.8 * u, crest.y()), QPointF(left - 0.8 * u, crest.y()));
    const double capBaseY = map(0, pileTop).y(), tipY = map(0, pileTip).y();
    p.drawLine(QPointF(cap.right() + 0.8 * u, capBaseY), QPointF(right + 0.8 * u, capBaseY));
    if (!f.pileX.empty())
        p.drawLine(QPointF(map(f.pileX.back() + d / 2, 0).x() + 0.8 * u, tipY),
                   QPointF(right + 0.8 * u, tipY));
    p.restore();

    // Scale bar.
    const double metres = RoundLengthBelow(g.bounds.width() / 5);
    DrawScaleBar(st, QPointF(rect.left() + 9 * u, rect.bottom() - 5 * u), metres * map.scale,
                 metres);
}

} // namespace korvane
