#pragma once

#include <string>
#include <utility>

namespace korvane {

// What kept an operation from doing what was asked, in words for the user; none when
// nothing did. Operations that can fail return one (or carry one beside their value):
// a refused case or input is a Refusal, typed, and becomes a Problem only where its
// words are shown; a file or command line problem is words from the start.
class [[nodiscard]] Problem {
public:
    Problem() = default;
    explicit Problem(std::string message) : message_(std::move(message)) {}

    explicit operator bool() const { return !message_.empty(); }
    const std::string& Message() const { return message_; }

    friend bool operator==(const Problem&, const Problem&) = default;

private:
    std::string message_;
};

} // namespace korvane
