#include "LabelLayout.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace korvane {

namespace {

constexpr int kMaxFieldGap = 12; // pixels between a label and the field it names

bool IsHan(QChar c) {
    return c.script() == QChar::Script_Han;
}

// A multiplier written as "x" and digits ("转角x100000(rad)") is not a symbol.
bool StartsMultiplier(const QString& text, qsizetype at) {
    return text[at] == u'x' && at + 1 < text.size() && text[at + 1].isDigit();
}

// Whether a line may end between text[at - 1] and text[at].
bool MayBreakBefore(const QString& text, qsizetype at) {
    const QChar before = text[at - 1];
    const QChar after = text[at];
    if (before.isSpace())
        return true;
    if (!IsHan(before))
        return false;
    return IsHan(after) || after == u'(' || after == u'（' || StartsMultiplier(text, at);
}

} // namespace

QStringList BreakLabelLines(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype best = -1;
        qsizetype forced = start + 1;
        for (qsizetype end = start + 1; end <= text.size(); ++end) {
            if (metrics.horizontalAdvance(text.mid(start, end - start).trimmed()) > width)
                break;
            forced = end;
            if (end == text.size() || MayBreakBefore(text, end))
                best = end;
        }
        const qsizetype end = best > start ? best : forced;
        lines << text.mid(start, end - start).trimmed();
        start = end;
        while (start < text.size() && text[start].isSpace())
            ++start;
    }
    return lines;
}

int LabelTextTop(int textHeight, const QRect& label, const QRect* field) {
    if (!field || textHeight >= label.height())
        return 0;
    const int centred = (2 * (field->top() - label.top()) + field->height() - textHeight) / 2;
    return std::clamp(centred, 0, label.height() - textHeight);
}

const QWidget* FieldBeside(const QWidget& label, const QList<QWidget*>& fields) {
    const QRect area = label.geometry();
    const QWidget* nearest = nullptr;
    int nearestGap = kMaxFieldGap + 1;
    for (const QWidget* field : fields) {
        if (!qobject_cast<const QLineEdit*>(field) && !qobject_cast<const QComboBox*>(field))
            continue;
        const QRect box = field->geometry();
        const int gap = box.left() - (area.right() + 1);
        const bool level = box.top() <= area.bottom() && area.top() <= box.bottom();
        if (level && gap >= 0 && gap < nearestGap) {
            nearest = field;
            nearestGap = gap;
        }
    }
    return nearest;
}

void LayOutLabel(QLabel& label, const QWidget* field) {
    const QFontMetrics metrics(label.font());
    const QStringList lines = BreakLabelLines(label.text(), metrics, label.width());
    // Broken here, not by the label: its own wrapping splits units and symbols.
    label.setWordWrap(false);
    label.setText(lines.join(u'\n'));
    const int textHeight = metrics
                               .boundingRect(QRect(0, 0, label.width(), 1000),
                                             Qt::AlignLeft | Qt::AlignTop, label.text())
                               .height();
    const QRect fieldBox = field ? field->geometry() : QRect();
    const int top = LabelTextTop(textHeight, label.geometry(), field ? &fieldBox : nullptr);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setContentsMargins(0, top, 0, 0);
}

} // namespace korvane
