// Records the golden master of the four calculations from the engines it is linked
// with: make_golden DIR writes DIR/<calc>.golden.gz (format in GoldenReader.h) and
// prints per calculation what the cases exercise. The committed files under
// tests/golden/data were made with it; test_golden_master replays them. Run again, it
// writes the same bytes. It fails when a list position or radio position never occurs
// or when refusals or undefined results are too rare to guard their code.
#include "CaseDrawer.h"
#include "GoldenRecipes.h"
#include "GoldenWriter.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

using namespace korvane;

namespace {

constexpr double kMinRefusedShare = 0.10;
constexpr double kMinUndefinedShare = 0.05;

template <class Record> class MixStats {
public:
    explicit MixStats(const CaseRecipe<Record>& recipe) : recipe_(recipe) {}

    void Count(CaseKind kind, const CaseDraft<Record>& c, const CalcOutcome& outcome) {
        ++kinds_[static_cast<int>(kind)];
        for (std::size_t i = 0; i < c.lists.size(); ++i)
            ++lists_[i][c.lists[i]];
        for (const auto& f : recipe_.calc.fields)
            if (f.kind == korvane::FieldKind::Radio)
                ++radios_[f.name][f.Whole(*c.record)];
        if (!outcome.computed())
            ++refusals_[WithoutNumbers(recipe_.calc.Refused(outcome))];
        else if (!outcome.undefined.empty())
            ++withUndefined_;
        for (const std::string& name : outcome.undefined)
            ++undefinedNames_[name];
        for (const char* label : c.edgesApplied)
            ++edges_[label];
        ++total_;
    }

    // Prints the mix; false when something the master must guard is missing.
    bool Report() const {
        bool ok = true;
        long refused = 0;
        for (const auto& [message, n] : refusals_)
            refused += n;
        std::fprintf(stderr,
                     "== %s: %ld cases (typical %ld, boundary %ld, hostile %ld, edge %ld)\n",
                     recipe_.calc.name, total_, kinds_[0], kinds_[1], kinds_[2], kinds_[3]);
        std::fprintf(stderr, "   computed %ld, of them with undefined results %ld (%.1f%%)\n",
                     total_ - refused, withUndefined_, 100.0 * withUndefined_ / total_);
        std::fprintf(stderr, "   refused %ld (%.1f%%):\n", refused, 100.0 * refused / total_);
        for (const auto& [message, n] : refusals_)
            std::fprintf(stderr, "     %5ld  %s\n", n, message.c_str());
        std::fprintf(stderr, "   undefined names:");
        for (const auto& [name, n] : undefinedNames_)
            std::fprintf(stderr, " %s %ld", name.c_str(), n);
        std::fprintf(stderr, "\n   boundary edges applied:");
        for (const auto& [label, n] : edges_)
            std::fprintf(stderr, " %s %ld;", label.c_str(), n);
        std::fprintf(stderr, "\n");

        ok = Covers("concrete list", lists_[0], -1, kConcreteGrades - 1) && ok;
        if (recipe_.calc.lists > 1)
            ok = Covers("rebar list", lists_[1], -1, kRebarGrades - 1) && ok;
        for (const auto& [name, counts] : radios_) {
            const TypicalRule* rule = recipe_.RuleOf(name);
            ok = Covers(name.c_str(), counts, static_cast<int>(rule->lo),
                        static_cast<int>(rule->hi)) &&
                 ok;
        }
        if (refused < kMinRefusedShare * total_) {
            std::fprintf(stderr, "   TOO FEW refusals\n");
            ok = false;
        }
        if (withUndefined_ < kMinUndefinedShare * total_) {
            std::fprintf(stderr, "   TOO FEW cases with undefined results\n");
            ok = false;
        }
        return ok;
    }

private:
    // Refusals that quote a pile count are counted as one message.
    static std::string WithoutNumbers(const std::string& message) {
        std::string text;
        for (char ch : message)
            if (!(ch >= '0' && ch <= '9'))
                text += ch;
            else if (text.empty() || text.back() != '#')
                text += '#';
        return text;
    }

    static bool Covers(const char* what, const std::map<int, long>& counts, int lo, int hi) {
        bool ok = true;
        long outside = 0;
        std::fprintf(stderr, "   %s:", what);
        for (int v = lo; v <= hi; ++v) {
            const auto it = counts.find(v);
            const long n = it == counts.end() ? 0 : it->second;
            std::fprintf(stderr, " [%d] %ld", v, n);
            ok = ok && n > 0;
        }
        for (const auto& [v, n] : counts)
            if (v < lo || v > hi)
                outside += n;
        std::fprintf(stderr, ", elsewhere %ld%s\n", outside, ok ? "" : "  MISSING A POSITION");
        return ok;
    }

    const CaseRecipe<Record>& recipe_;
    long kinds_[4] = {};
    std::map<int, long> lists_[2];
    std::map<std::string, std::map<int, long>> radios_;
    std::map<std::string, long> refusals_;
    std::map<std::string, long> undefinedNames_;
    std::map<std::string, long> edges_;
    long withUndefined_ = 0;
    long total_ = 0;
};

template <class Record> CaseKind KindOf(const CaseRecipe<Record>& recipe, GoldenRandom& rng) {
    double u = rng.Unit();
    if ((u -= recipe.hostileShare) < 0)
        return CaseKind::Hostile;
    if ((u -= recipe.boundaryShare) < 0)
        return CaseKind::Boundary;
    return u < recipe.edgeShare ? CaseKind::Edge : CaseKind::Typical;
}

// A case whose price is within the recipe's budget (or one of its few heavy ones).
template <class Record> class AffordableCases {
public:
    explicit AffordableCases(const CaseRecipe<Record>& recipe)
        : recipe_(recipe), drawer_(recipe), heavyLeft_(recipe.heavyCases) {}

    CaseDraft<Record> Draw(GoldenRandom& rng, CaseKind kind) {
        for (;;) {
            CaseDraft<Record> c = drawer_.Draw(rng, kind);
            if (!recipe_.cost)
                return c;
            const long long cost = recipe_.cost(c);
            if (cost > recipe_.budget) {
                if (cost > recipe_.heavyBudget || heavyLeft_ == 0)
                    continue;
                --heavyLeft_;
            }
            work_ += cost;
            return c;
        }
    }

    void Report() const {
        if (recipe_.cost)
            std::fprintf(stderr, "   price %lld in all, %d of %d heavy cases\n", work_,
                         recipe_.heavyCases - heavyLeft_, recipe_.heavyCases);
    }

private:
    const CaseRecipe<Record>& recipe_;
    CaseDrawer<Record> drawer_;
    int heavyLeft_;
    long long work_ = 0;
};

template <class Record> bool WriteMaster(const CaseRecipe<Record>& recipe, const std::string& dir) {
    const auto start = std::chrono::steady_clock::now();
    GoldenRandom rng(recipe.seed);
    AffordableCases<Record> cases(recipe);
    MixStats<Record> stats(recipe);
    GoldenWriter out(dir + "/" + recipe.calc.FileName());
    out.Line("# Golden master of the " + std::string(recipe.calc.name) +
             " calculation, recorded by make_golden; format in GoldenReader.h");
    for (int i = 0; i < recipe.cases; ++i) {
        const CaseKind kind = KindOf(recipe, rng);
        CaseDraft<Record> c = cases.Draw(rng, kind);
        out.Line("case " + std::to_string(i));
        std::string lists = "lists";
        for (int list : c.lists)
            (lists += " ") += std::to_string(list);
        out.Line(lists);
        out.Values("in", recipe.calc, *c.record);
        CaseDraft<Record> before{c.calc, std::make_unique<Record>(*c.record), c.lists,
                                 c.edgesApplied};
        const CalcOutcome outcome =
            recipe.calc.run(*c.record, c.lists[0], recipe.calc.lists > 1 ? c.lists[1] : -1);
        if (!outcome.computed())
            out.Line("refused " + recipe.calc.Refused(outcome));
        if (!outcome.undefined.empty()) {
            std::string names = "undefined";
            for (const std::string& name : outcome.undefined)
                names += " " + name;
            out.Line(names);
        }
        out.Values("out", recipe.calc, *c.record);
        out.Line("end");
        stats.Count(kind, before, outcome);
    }
    out.Close(recipe.cases);
    const bool ok = stats.Report();
    cases.Report();
    std::fprintf(stderr, "   %.1f s\n",
                 std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_golden DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    try {
        std::filesystem::create_directories(dir);
        bool ok = WriteMaster(CircularRecipe(), dir);
        ok = WriteMaster(PolylineRecipe(), dir) && ok;
        ok = WriteMaster(CombinedRecipe(), dir) && ok;
        ok = WriteMaster(HighCapRecipe(), dir) && ok;
        return ok ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_golden: %s\n", e.what());
        return 1;
    }
}
