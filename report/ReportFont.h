#pragma once

#include <QFont>
#include <QString>

namespace korvane {

// The family every report text is set in: one that covers Chinese, looked up once
// among the installed fonts, so that PDF and SVG carry readable glyphs instead of boxes.
QString ReportFontFamily();

// The report family at `pointSize`.
QFont ReportFont(qreal pointSize, bool bold = false);

} // namespace korvane
