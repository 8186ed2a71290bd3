#pragma once

#include "Report.h"

#include <QString>

#include <string>
#include <vector>

namespace korvane {

// Looking things up in a report's content by what a reader sees: section titles,
// table captions and row names.

inline const ReportSection* FindSection(const ReportContent& r, const QString& title) {
    for (const ReportSection& s : r.sections) {
        // "4 计算结果" by its name; the appendix and the sign-off have no number.
        if (s.title == title || s.title.endsWith(QLatin1Char(' ') + title))
            return &s;
    }
    return nullptr;
}

template <class Block>
std::vector<const Block*> BlocksOf(const ReportContent& r, const QString& section) {
    std::vector<const Block*> found;
    if (const ReportSection* s = FindSection(r, section)) {
        for (const ReportBlock& b : s->blocks) {
            if (const auto* block = std::get_if<Block>(&b))
                found.push_back(block);
        }
    }
    return found;
}

inline const ReportTable* FindTable(const ReportContent& r, const QString& section,
                                    const QString& caption) {
    for (const ReportTable* t : BlocksOf<ReportTable>(r, section)) {
        if (t->caption.contains(caption))
            return t;
    }
    return nullptr;
}

// The row of `table` whose first cell is `name`, or nullptr.
inline const QStringList* FindRow(const ReportTable* table, const QString& name) {
    if (!table)
        return nullptr;
    for (const QStringList& row : table->rows) {
        if (!row.isEmpty() && row[0] == name)
            return &row;
    }
    return nullptr;
}

} // namespace korvane
