#pragma once

#include <string>
#include <string_view>

namespace korvane {

// `text` with every byte that is no part of a well-formed UTF-8 character, and every NUL,
// replaced by U+FFFD, so that what the command prints is always valid UTF-8 whatever
// bytes it was given.
std::string ValidUtf8(std::string_view text);
// Whether `text` is already so.
bool IsValidUtf8(std::string_view text);

} // namespace korvane
