#pragma once

// Calculation reports (计算书) of the four calculators: one content model built from a
// case, painted the same way onto PDF pages, a printer, a print preview and SVG.
// Everything that paints or writes (all but BuildReport and ReportPlainText) sets text
// in a font that covers Chinese, so it needs a QGuiApplication; the calculator command
// runs one on the offscreen platform.

#include "CaseData.h"
#include "Problem.h"
#include "ReportContent.h"

#include <QString>

class QPagedPaintDevice;

namespace korvane {

// Reads the case into a fresh record as the form would (inputs, then the shown results
// when the case was calculated), runs its calculation and gathers what it produced:
// problem and method, the drawing, inputs and materials, results, the pile charts and
// the notes. A case whose texts are refused gives a report that says so and has no
// results.
ReportContent BuildReport(const CaseData& data, const ReportMeta& meta);

// Paints the report page by page onto `device` (a QPdfWriter, or the QPrinter of a
// print or print-preview dialog), using its page size and margins, with a header and
// footer on every page. Returns the number of pages, 0 when painting could not start.
int PaintReport(const ReportContent& report, QPagedPaintDevice* device);

// Writes the report as an A4 PDF at `path`. The file appears only when it is
// complete; on failure any earlier file stays as it was, and the problem says why.
Problem WriteReportPdf(const ReportContent& report, const QString& path);

// The report as one self-contained HTML page (UTF-8, figures inline as SVG).
QString ReportHtml(const ReportContent& report);
// Writes ReportHtml to `path`, with the same care as WriteReportPdf.
Problem WriteReportHtml(const ReportContent& report, const QString& path);

// Builds the report of `data` and writes it as PDF (".pdf") or HTML (".html", ".htm"),
// chosen by the suffix of `path`; any other suffix is refused with a message.
Problem WriteReport(const CaseData& data, const ReportMeta& meta, const QString& path);

// All text of the report in reading order: title block, section titles, paragraphs,
// table captions and rows (cells separated by tabs), figure captions.
QString ReportPlainText(const ReportContent& report);

} // namespace korvane
