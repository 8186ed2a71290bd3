#pragma once

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

namespace korvane {

// Which shown results of one calculation came from a value that is not finite. The
// last write of each result decides; names come out in the record's declaration order.
template <int Count> class UndefinedResults {
public:
    explicit UndefinedResults(const std::array<const char*, Count>& names) : names_(names) {}

    void Written(int member, double source) { flag_[member] = !std::isfinite(source); }
    void Taint(int member) { flag_[member] = true; }
    void Taint(std::initializer_list<int> members) {
        for (int member : members)
            flag_[member] = true;
    }
    bool IsUndefined(int member) const { return flag_[member]; }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int i = 0; i < Count; ++i) {
            if (flag_[i])
                names.emplace_back(names_[i]);
        }
        return names;
    }

private:
    const std::array<const char*, Count>& names_;
    std::array<bool, Count> flag_{};
};

} // namespace korvane
