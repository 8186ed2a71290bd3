#pragma once

#include "FieldText.h"
#include "Problem.h"
#include "ReportFigures.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace korvane {

// Who and what a report is for. The program's name and version come from the
// application, the rest from the user; empty fields are left out of the title block.
struct ReportMeta {
    QString program = QStringLiteral("Korvane");
    QString version;
    QString project;
    QString engineer; // 计算: who made the calculation
    QString checker;  // 校核
    QString reviewer; // 审核
    QString date;     // as it should be printed, e.g. "2024-05-06"
    QString caseFile; // name of the case file, when the case came from one
};

// The longest name a report prints (project, sign-off names, case file): a longer one
// would push the title block off its page.
inline constexpr int kLongestReportName = 200;

// `meta` with what no printed name may hold taken out: control characters and the
// characters that reorder text (bidirectional embeddings, overrides, isolates and marks),
// which would make a name read other than it is.
ReportMeta PrintableMeta(ReportMeta meta);

// Why `meta` cannot be printed: a name longer than kLongestReportName characters.
Problem ReportMetaProblem(const ReportMeta& meta);

struct ReportParagraph {
    QString text;
};

struct ReportTable {
    QString caption; // a line above the table; may be empty
    QStringList header;
    QList<QStringList> rows;
    bool compact = false; // many narrow columns of numbers: set smaller
};

struct ReportFigure {
    QString caption;
    FigureData figure;
};

using ReportBlock = std::variant<ReportParagraph, ReportTable, ReportFigure>;

struct ReportSection {
    QString title; // numbered, e.g. "1 问题与方法"
    std::vector<ReportBlock> blocks;
    bool numbered = true; // false for the appendix and the sign-off, which keep their titles
};

// A calculation report as plain data: what every output (PDF, printer, HTML, text)
// shows, in reading order.
struct ReportContent {
    QString title;
    ReportMeta meta;
    std::vector<ReportSection> sections;
};

// A text of the field layer (UTF-8) in the report's words.
inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A number as a field shows it, for the report's sentences.
inline QString ShownNumber(double value) {
    return QString::fromStdString(FormatNumber(value));
}

// A problem told in the words of a message built with Qt.
inline Problem Said(const QString& message) {
    return Problem(message.toStdString());
}

} // namespace korvane
