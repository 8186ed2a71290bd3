#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace korvane {

// Every label of the program is Chinese. Without a font that has the characters they
// are drawn as empty boxes and nothing says why; this finds that out at start-up.

// Characters of the forms' titles ("circular slip, method of slices"): common ones that
// any Chinese font has and no Latin font does.
inline const QString kChineseSample = QStringLiteral("圆弧条分法");

// Whether the installed font `family` itself (not a fallback) has a glyph for every
// character of `text`.
bool FamilyDraws(const QString& family, const QString& text);

// The first of `families` that `draws` the sample, or an empty string when none does.
QString FirstChineseFamily(const QStringList& families,
                           const std::function<bool(const QString& family)>& draws);

// The first installed font that declares a Chinese or Japanese writing system and
// draws the sample, or an empty string when none is installed.
QString InstalledChineseFamily();

// What the user is told when there is none: English first, readable in any font, with
// the command that fixes it; then the same in Chinese for when it partly shows.
QString MissingChineseFontMessage();

// Checks the installed fonts; without a Chinese one, says so on stderr and in a message
// box over `owner` (once per start: the labels stay empty boxes at every start until a
// font is installed, so every start explains them). Returns whether one was found.
bool CheckChineseFont(QWidget* owner = nullptr);

} // namespace korvane
