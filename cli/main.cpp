// korvane-calc: the four calculators of Korvane without a window.

#include "BatchCommand.h"
#include "CalculatorCommand.h"
#include "CaseArguments.h"
#include "CommandLine.h"
#include "Grades.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace korvane {

namespace {

const char* KindText(FieldKind kind) {
    switch (kind) {
    case FieldKind::Number:
        return "number";
    case FieldKind::WholeNumber:
        return "whole number";
    case FieldKind::Radio:
        return "radio position";
    case FieldKind::None:
        return "";
    }
    return "";
}

template <class Record> void PrintMember(const MemberInfo<Record>& info, const Record& defaults) {
    const bool input = info.role == MemberRole::Input;
    const std::string name = std::string(info.name) + (input ? "=" : "");
    std::printf("    %-16s %s", name.c_str(), info.label);
    if (*info.unit)
        std::printf(" [%s]", info.unit);
    if (input) {
        std::printf(" (%s, default %s", KindText(info.kind),
                    MemberFieldText(defaults, info).c_str());
        if (info.range)
            std::printf(", range %s..%s", FormatNumber(info.range->min).c_str(),
                        FormatNumber(info.range->max).c_str());
        std::printf(")");
    }
    std::printf("\n");
}

template <class Record>
void PrintMembers(const Calculator<Record>& calc, MemberRole role, const char* heading) {
    const Record defaults;
    std::printf("  %s\n", heading);
    for (const MemberInfo<Record>& info : calc.members) {
        if (info.role == role)
            PrintMember(info, defaults);
    }
}

template <class Record> void PrintCalculatorHelp(const Calculator<Record>& calc) {
    std::printf("\n%s  —  %s\n", calc.name, calc.title);
    std::printf("  lists:\n");
    for (const ListOption& list : calc.lists) {
        std::string entries;
        for (const std::string& e : list.entries)
            entries += (entries.empty() ? "" : "|") + e;
        std::printf("    %-16s %s %s (default: none selected)\n",
                    (std::string(list.name) + "=").c_str(), list.label, entries.c_str());
    }
    PrintMembers(calc, MemberRole::Input, "inputs:");
    PrintMembers(calc, MemberRole::Result, "results (printed, not set):");
    PrintMembers(calc, MemberRole::Internal,
                 "internal values (printed, not set: looked up, derived or fixed):");
}

void PrintHelp() {
    std::printf(
        "Usage: korvane-calc CALCULATOR [NAME=VALUE ...] [--json]\n"
        "       korvane-calc CALCULATOR --batch IN.csv --out OUT.csv [--threads N]\n"
        "       korvane-calc --demo | --help\n"
        "\n"
        "Runs one of Korvane's calculators without a window, from the form's defaults.\n"
        "Each NAME=VALUE sets an input field of the form; NAME is the member bound to the\n"
        "field. Results and internal values are printed but cannot be set.\n"
        "Values are read exactly as the form reads the field: a decimal number (\"1d2\" and\n"
        "\"1E2\" are 100; blanks around it are allowed), whole numbers for counts and\n"
        "radio positions, and the form's range checks. concrete= and rebar= choose a list\n"
        "entry; without them nothing is selected, as when a form opens.\n"
        "\n"
        "Output: one line NAME=VALUE for every number of the record in declaration order,\n"
        "formatted as the form's field shows it; the pile calculators add momentSeries=\n"
        "and shearSeries= (the moment in kN·m and shear in kN of a pile at its depth\n"
        "points). --json prints {\"members\": {...}} with full-precision numbers (and the\n"
        "series as arrays); a result that is not a finite number is null there.\n"
        "\n"
        "--batch computes one case per row of a CSV file (RFC 4180, UTF-8): the header\n"
        "names inputs and lists, a missing column or an empty cell keeps the default.\n"
        "The answer repeats each row, adds the results as the fields show them and a\n"
        "status column (已计算, 拒绝：..., 无定义：...); exit status 2 when any row was\n"
        "refused, else 3 when any row is undefined, else 0.\n"
        "\n"
        "Exit status: 0 computed; 2 a value or the inputs were refused (the message is on\n"
        "stderr, nothing is computed); 3 computed, but some results are not finite numbers:\n"
        "they print as \"undefined\" and stderr names them.\n"
        "\n"
        "Options:\n%s"
        "\n"
        "Calculators and their members (label [unit]), inputs with their defaults:\n",
        OptionHelp().c_str());
    PrintCalculatorHelp(CircularCalculator());
    PrintCalculatorHelp(PolylineCalculator());
    PrintCalculatorHelp(CombinedCalculator());
    PrintCalculatorHelp(HighCapCalculator());
}

int RunDemo() {
    int status = 0;
    auto demo = [&status](const auto& calc, CommandLine line) {
        std::printf("== korvane-calc %s", calc.name);
        for (const auto& [name, value] : line.assignments)
            std::printf(" %s=%s", name.c_str(), value.c_str());
        std::printf("   (%s)\n", calc.title);
        std::fflush(stdout);
        const int code = RunCalculator(calc, line).status;
        std::fflush(stdout);
        if (code > status)
            status = code;
    };
    CommandLine line;
    line.assignments = {{"concrete", "C30"}, {"rebar", "HPB235"}};
    demo(CircularCalculator(), line);
    demo(PolylineCalculator(), line);
    line.assignments = {{"concrete", "C30"}};
    demo(CombinedCalculator(), line);
    demo(HighCapCalculator(), line);
    return status;
}

} // namespace

} // namespace korvane

using namespace korvane;

namespace korvane {
namespace {

// One case: from the command line, or from a case file with the command line over it.
int RunCase(const CommandLine& line) {
    CaseData base;
    std::string calculator = line.calculator;
    if (!line.casePath.empty()) {
        if (std::string message = LoadCaseArgument(line.casePath, base); !message.empty()) {
            cli_detail::PrintError(message);
            return kExitRefused;
        }
        if (!calculator.empty() && calculator != base.calculator) {
            cli_detail::PrintError("算例“" + line.casePath + "”是 " + base.calculator +
                                   " 的算例，不能用 " + calculator + " 计算");
            return kExitRefused;
        }
        calculator = base.calculator;
    }

    CaseRun run;
    const bool known = WithCalculator(
        calculator, [&](const auto& calc) { run = RunCalculator(calc, line, base); });
    if (!known) {
        cli_detail::PrintError("没有名为“" + calculator +
                               "”的计算器（可选：circular、polyline、combined、highcap）");
        return kExitRefused;
    }
    if (!line.saveCasePath.empty()) {
        // A case whose fields were refused was never read: there is nothing to keep.
        if (!run.shown) {
            cli_detail::PrintError("输入未能读入，没有保存算例“" + line.saveCasePath + "”");
            return kExitRefused;
        }
        if (std::string message = SaveCaseArgument(line.saveCasePath, *run.shown);
            !message.empty()) {
            cli_detail::PrintError(message);
            return kExitRefused;
        }
    }
    // The report of the case (--report) is written here, from run.shown.
    return run.status;
}

int RunBatch(const CommandLine& line) {
    if (!line.casePath.empty() || !line.saveCasePath.empty()) {
        cli_detail::PrintError("--batch 不能与 --case 或 --save-case 同用：每一行就是一个算例");
        return kExitRefused;
    }
    int status = kExitRefused;
    const bool known = WithCalculator(
        line.calculator, [&](const auto& calc) { status = RunBatchCommand(calc, line); });
    if (!known)
        cli_detail::PrintError("没有名为“" + line.calculator +
                               "”的计算器（可选：circular、polyline、combined、highcap）");
    return status;
}

} // namespace
} // namespace korvane

int main(int argc, char** argv) {
    CommandLine line;
    if (const std::string message = ParseCommandLine(argc, argv, line); !message.empty()) {
        cli_detail::PrintError(message);
        return kExitRefused;
    }
    if (line.help) {
        PrintHelp();
        return kExitComputed;
    }
    if (line.demo)
        return RunDemo();
    if (line.calculator.empty() && line.casePath.empty()) {
        PrintHelp();
        return kExitRefused;
    }
    return line.batchPath.empty() ? RunCase(line) : RunBatch(line);
}
