#pragma once

#include "CircularSlipRecord.h"
#include "CombinedActionRecord.h"
#include "HighCapRecord.h"
#include "PolylineSlipRecord.h"

#include <QStringList>

namespace korvane {

// The problem and the method of each calculator, a few paragraphs each, in the words
// of its calculation. Values that steer the method (the search rays) come from the
// record.
QStringList MethodParagraphs(const CircularSlipRecord& r);
QStringList MethodParagraphs(const PolylineSlipRecord& r);
QStringList MethodParagraphs(const CombinedActionRecord& r);
QStringList MethodParagraphs(const HighCapRecord& r);

} // namespace korvane
