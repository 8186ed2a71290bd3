#include "PileLayoutFigure.h"

#include "FigurePainting.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

constexpr int kMostDrawnPiles = 2500;

bool PlanDrawable(const PilePlanFigure& f) {
    return f.nx >= 1 && f.nz >= 1 && static_cast<long long>(f.nx) * f.nz <= kMostDrawnPiles &&
           std::isfinite(f.sax) && std::isfinite(f.saz) && std::isfinite(f.d) && f.sax >= 0 &&
           f.saz >= 0 && f.d > 0;
}

// Extent of the plan in metres along X and Z: the cap when given, else the piles.
struct PlanExtent {
    double spanX, spanZ; // centre to centre of the outer piles
    double outerX, outerZ;
};

PlanExtent PlanExtentOf(const PilePlanFigure& f) {
    PlanExtent e;
    e.spanX = (f.nx - 1) * f.sax;
    e.spanZ = (f.nz - 1) * f.saz;
    e.outerX = std::max(e.spanX + f.d, f.capX.value_or(0));
    e.outerZ = std::max(e.spanZ + f.d, f.capZ.value_or(0));
    return e;
}

// The longer side of the plan runs across the page.
bool XAcross(const PlanExtent& e) {
    return e.outerX >= e.outerZ;
}

const QColor kPile(110, 110, 110);
const QColor kCap(235, 235, 235);

} // namespace

double PilePlanAspect(const PilePlanFigure& f) {
    if (!PlanDrawable(f))
        return 0.3;
    const PlanExtent e = PlanExtentOf(f);
    const double across = std::max(e.outerX, e.outerZ), down = std::min(e.outerX, e.outerZ);
    return std::clamp((down + 0.25 * across) / (across * 1.2), 0.35, 1.0);
}

void PaintPilePlan(QPainter& p, const QRectF& rect, const PilePlanFigure& f) {
    const FigureStyle st(p, rect);
    const double u = st.unit;
    if (!PlanDrawable(f)) {
        DrawLabel(st, rect.center(), QStringLiteral("输入的桩数、桩距或桩径不能按比例绘制。"),
                  Qt::AlignCenter, st.Font(3.2));
        return;
    }
    const PlanExtent e = PlanExtentOf(f);
    const bool xAcross = XAcross(e);
    const double worldW = xAcross ? e.outerX : e.outerZ;
    const double worldH = xAcross ? e.outerZ : e.outerX;
    const QRectF area = rect.adjusted(16 * u, 14 * u, -16 * u, -16 * u);
    const double scale = std::min(area.width() / worldW, area.height() / worldH);
    const QPointF centre = area.center();
    // Plan coordinates (X, Z) about the cap's centre to the page.
    auto at = [&](double x, double z) {
        return xAcross ? QPointF(centre.x() + x * scale, centre.y() - z * scale)
                       : QPointF(centre.x() + z * scale, centre.y() - x * scale);
    };
    auto box = [&](double halfX, double halfZ) {
        return QRectF(at(-halfX, -halfZ), at(halfX, halfZ)).normalized();
    };

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF outline = box(e.outerX / 2, e.outerZ / 2);
    p.setBrush(kCap);
    p.setPen(st.Pen(Qt::black, f.capX && f.capZ ? 0.4 : 0.2,
                    f.capX && f.capZ ? Qt::SolidLine : Qt::DashLine));
    p.drawRect(outline);
    p.setPen(Qt::NoPen);
    p.setBrush(kPile);
    const double radius = std::max(f.d / 2 * scale, 0.25 * u);
    for (int i = 0; i < f.nx; ++i) {
        for (int j = 0; j < f.nz; ++j) {
            const double x = (i - (f.nx - 1) / 2.0) * f.sax;
            const double z = (j - (f.nz - 1) / 2.0) * f.saz;
            p.drawEllipse(at(x, z), radius, radius);
        }
    }
    p.restore();

    // Dimensions: the pile spans next to the outline, the cap beyond them.
    const QString xSpan = QStringLiteral("(nx−1)×sax = %1×%2 = %3 m")
                              .arg(f.nx - 1)
                              .arg(FigureNumber(f.sax, 3), FigureNumber(e.spanX, 3));
    const QString zSpan = QStringLiteral("(nz−1)×saz = %1×%2 = %3 m")
                              .arg(f.nz - 1)
                              .arg(FigureNumber(f.saz, 3), FigureNumber(e.spanZ, 3));
    const double below = outline.bottom() + 4 * u, beyond = outline.bottom() + 10 * u;
    const double leftOf = outline.left() - 4 * u, further = outline.left() - 10 * u;
    // Across the page.
    const double acrossSpan = xAcross ? e.spanX : e.spanZ;
    const double acrossCap = xAcross ? f.capX.value_or(0) : f.capZ.value_or(0);
    const double downSpan = xAcross ? e.spanZ : e.spanX;
    const double downCap = xAcross ? f.capZ.value_or(0) : f.capX.value_or(0);
    const double cx = centre.x(), cy = centre.y();
    if (acrossSpan > 0)
        DrawDimension(st, QPointF(cx - acrossSpan / 2 * scale, below),
                      QPointF(cx + acrossSpan / 2 * scale, below), xAcross ? xSpan : zSpan,
                      QPointF(0, 1));
    if (acrossCap > 0)
        DrawDimension(st, QPointF(cx - acrossCap / 2 * scale, beyond),
                      QPointF(cx + acrossCap / 2 * scale, beyond),
                      xAcross ? QStringLiteral("承台长度 L = %1 m").arg(FigureNumber(acrossCap))
                              : QStringLiteral("承台宽度 B = %1 m").arg(FigureNumber(acrossCap)),
                      QPointF(0, 1));
    if (downSpan > 0)
        DrawDimension(st, QPointF(leftOf, cy + downSpan / 2 * scale),
                      QPointF(leftOf, cy - downSpan / 2 * scale), xAcross ? zSpan : xSpan,
                      QPointF(-1, 0));
    if (downCap > 0)
        DrawDimension(st, QPointF(further, cy + downCap / 2 * scale),
                      QPointF(further, cy - downCap / 2 * scale),
                      xAcross ? QStringLiteral("B = %1 m").arg(FigureNumber(downCap))
                              : QStringLiteral("L = %1 m").arg(FigureNumber(downCap)),
                      QPointF(-1, 0));

    // Axes at the top right of the outline.
    const QPointF origin(outline.right() + 4 * u, outline.top() + 9 * u);
    const double axis = 7 * u;
    const QPointF xTip = xAcross ? origin + QPointF(axis, 0) : origin - QPointF(0, axis);
    const QPointF zTip = xAcross ? origin - QPointF(0, axis) : origin + QPointF(axis, 0);
    DrawArrow(st, origin, xTip);
    DrawArrow(st, origin, zTip);
    DrawLabel(st, xTip + QPointF(0.5 * u, 0), QStringLiteral("X"), Qt::AlignLeft | Qt::AlignVCenter,
              st.Font(2.8, true), Qt::black, false);
    DrawLabel(st, zTip + QPointF(0.5 * u, 0), QStringLiteral("Z"), Qt::AlignLeft | Qt::AlignVCenter,
              st.Font(2.8, true), Qt::black, false);

    const QString count = QStringLiteral("%1×%2 = %3 根，桩径 d = %4 m")
                              .arg(f.nx)
                              .arg(f.nz)
                              .arg(f.nx * f.nz)
                              .arg(FigureNumber(f.d, 3));
    DrawLabel(st, QPointF(outline.left(), outline.top() - 1.5 * u), count,
              Qt::AlignLeft | Qt::AlignBottom, st.Font(2.8), Qt::black, false);
    const double metres = RoundLengthBelow(worldW / 4);
    DrawScaleBar(st, QPointF(rect.right() - 6 * u - metres * scale, rect.bottom() - 5 * u),
                 metres * scale, metres);
}

namespace {

bool ElevationDrawable(const PileElevationFigure& f) {
    return f.nx >= 1 && f.nx <= kMostDrawnPiles && std::isfinite(f.sax) && f.sax >= 0 &&
           std::isfinite(f.d) && f.d > 0 && std::isfinite(f.l0) && f.l0 >= 0 &&
           std::isfinite(f.h) && f.h > 0;
}

struct ElevationExtent {
    double width;    // along X
    double capDepth; // drawn thickness of the cap, which no input gives
    double height;   // cap top to pile tips
};

ElevationExtent ElevationExtentOf(const PileElevationFigure& f) {
    ElevationExtent e;
    e.width = std::max((f.nx - 1) * f.sax + f.d, f.capX.value_or(0));
    e.capDepth = 0.06 * std::max(e.width, f.l0 + f.h);
    e.height = e.capDepth + f.l0 + f.h;
    return e;
}

} // namespace

double PileElevationAspect(const PileElevationFigure& f) {
    if (!ElevationDrawable(f))
        return 0.3;
    const ElevationExtent e = ElevationExtentOf(f);
    return std::clamp((e.height * 1.1) / (e.width * 1.35), 0.4, 0.8);
}

void PaintPileElevation(QPainter& p, const QRectF& rect, const PileElevationFigure& f) {
    const FigureStyle st(p, rect);
    const double u = st.unit;
    if (!ElevationDrawable(f)) {
        DrawLabel(st, rect.center(), QStringLiteral("输入的桩数、桩距、桩长或桩径不能按比例绘制。"),
                  Qt::AlignCenter, st.Font(3.2));
        return;
    }
    const ElevationExtent e = ElevationExtentOf(f);
    const QRectF area = rect.adjusted(20 * u, 8 * u, -26 * u, -10 * u);
    const double scale = std::min(area.width() / e.width, area.height() / e.height);
    const double cx = area.center().x();
    const double capTop = area.center().y() - e.height * scale / 2;
    // y measured down from the cap underside, x from the cap's centre.
    auto at = [&](double x, double depth) {
        return QPointF(cx + x * scale, capTop + (e.capDepth + depth) * scale);
    };
    const double groundDepth = f.l0, tipDepth = f.l0 + f.h;
    const double halfWidth = e.width / 2;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // Soil below the ground line, wider than the group.
    const double soilHalf = halfWidth + 0.12 * e.width;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(238, 232, 218));
    p.drawRect(QRectF(at(-soilHalf, groundDepth), at(soilHalf, tipDepth + 0.04 * e.height)));
    p.setPen(st.Pen(Qt::black, 0.45));
    p.drawLine(at(-soilHalf, groundDepth), at(soilHalf, groundDepth));
    // Piles.
    p.setPen(st.Pen(QColor(80, 80, 80), 0.15));
    p.setBrush(QColor(190, 190, 190));
    const double pileW = std::max(f.d * scale, 0.3 * u);
    for (int i = 0; i < f.nx; ++i) {
        const double x = (i - (f.nx - 1) / 2.0) * f.sax;
        const QPointF top = at(x, 0), tip = at(x, tipDepth);
        p.drawRect(QRectF(top.x() - pileW / 2, top.y(), pileW, tip.y() - top.y()));
    }
    // The cap.
    p.setPen(st.Pen(Qt::black, 0.3));
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(at(-halfWidth, -e.capDepth), at(halfWidth, 0)));
    p.restore();

    DrawLabel(st, at(0, -e.capDepth / 2), QStringLiteral("承台（厚度示意）"), Qt::AlignCenter,
              st.Font(2.6), Qt::black, false);
    DrawLabel(st, at(soilHalf, groundDepth) + QPointF(-0.5 * u, -0.5 * u), QStringLiteral("地面"),
              Qt::AlignRight | Qt::AlignBottom, st.Font(2.6), Qt::black, false);

    const double right = at(soilHalf, 0).x() + 4 * u;
    if (f.l0 > 0)
        DrawDimension(st, QPointF(right, at(0, 0).y()), QPointF(right, at(0, groundDepth).y()),
                      QStringLiteral("l0=%1").arg(FigureNumber(f.l0)), QPointF(1, 0));
    DrawDimension(st, QPointF(right, at(0, groundDepth).y()), QPointF(right, at(0, tipDepth).y()),
                  QStringLiteral("h=%1").arg(FigureNumber(f.h)), QPointF(1, 0));
    p.save();
    p.setPen(st.Pen(QColor(120, 120, 120), 0.12));
    p.drawLine(at(halfWidth, 0) + QPointF(0.8 * u, 0), QPointF(right + 0.8 * u, at(0, 0).y()));
    p.drawLine(at(halfWidth, tipDepth) + QPointF(0.8 * u, 0),
               QPointF(right + 0.8 * u, at(0, tipDepth).y()));
    p.restore();
    if (f.nx >= 2 && f.sax > 0) {
        const double y = at(0, tipDepth).y() + 4 * u;
        DrawDimension(st, QPointF(at(-(f.nx - 1) * f.sax / 2, 0).x(), y),
                      QPointF(at(-(f.nx - 3) * f.sax / 2, 0).x(), y),
                      QStringLiteral("sax=%1").arg(FigureNumber(f.sax, 3)), QPointF(0, 1));
    }
    const double metres = RoundLengthBelow(e.width / 4);
    DrawScaleBar(st, QPointF(rect.right() - 8 * u - metres * scale, rect.bottom() - 5 * u),
                 metres * scale, metres);
}

} // namespace korvane
