#include "StudyCsv.h"

#include "BatchCsv.h"
#include "BatchRows.h"

namespace korvane {

std::string StudyCsv(const StudyAnswer& answer, const std::string& input) {
    const CsvStyle style;
    std::string text;
    CsvRow header{input};
    for (const StudyQuantity& q : answer.quantities)
        header.push_back(q.name);
    header.push_back(kBatchStatusColumn);
    AppendCsvRow(text, header, style);
    for (const StudyPointAnswer& point : answer.points) {
        if (!point.done)
            continue;
        CsvRow row{point.text};
        row.insert(row.end(), point.texts.begin(), point.texts.end());
        row.push_back(point.status);
        AppendCsvRow(text, row, style);
    }
    return text;
}

} // namespace korvane
