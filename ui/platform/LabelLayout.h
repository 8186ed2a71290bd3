#pragma once

#include <QStringList>

class QFontMetrics;
class QLabel;
class QRect;
class QWidget;

namespace korvane {

// The lines of a template label's caption in `width` pixels. A line may end between
// two Chinese characters, before an opening parenthesis that follows one (a unit),
// before a multiplier such as "x100000", or at a space; never between a name and the
// symbol or segment number written right after it ("黏聚力c3", "摩擦角3"), nor inside
// a unit. Each line is as long as fits; a run that fits no line is cut where it must.
QStringList BreakLabelLines(const QString& text, const QFontMetrics& metrics, int width);

// The top of a label's text within the label: centred on the field beside it, so that
// caption and value read on one line, and kept inside the label; at the top when there
// is no field beside it.
int LabelTextTop(int textHeight, const QRect& label, const QRect* field);

// The edit field or list to the right of `label` on its level, if any.
const QWidget* FieldBeside(const QWidget& label, const QList<QWidget*>& fields);

// Breaks and places the caption of `label` (template geometry already set).
void LayOutLabel(QLabel& label, const QWidget* field);

} // namespace korvane
