#include "CommandLine.h"

#include <charconv>
#include <set>
#include <string>
#include <string_view>

namespace korvane {

namespace {

// One option: its name, the name of its value (nullptr for a switch), what it sets,
// and its line in the help text. A new option is one more row.
struct OptionSpec {
    const char* name;
    const char* value;
    Problem (*apply)(CommandLine&, const std::string&);
    const char* help;
};

Problem SetThreads(CommandLine& line, const std::string& text) {
    unsigned count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size() || count == 0 || count > 1024)
        return Problem("--threads 需要 1 到 1024 之间的整数，不是“" + text + "”");
    line.threads = count;
    return {};
}

// NAME=VALUE of an option into `to`.
Problem AddNamedValue(const char* option, const std::string& text,
                      std::vector<std::pair<std::string, std::string>>& to) {
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos || eq == 0)
        return Problem(std::string(option) + " 应写成 " + option + " NAME=VALUE，而不是“" + text +
                       "”");
    to.emplace_back(text.substr(0, eq), text.substr(eq + 1));
    return {};
}

const OptionSpec kOptions[] = {
    {"--json", nullptr,
     [](CommandLine& l, const std::string&) { return (l.json = true, Problem()); },
     "以 JSON 输出输入、结果、内部值及深度序列（数为全精度）"},
    {"--batch", "IN.csv",
     [](CommandLine& l, const std::string& v) { return (l.batchPath = v, Problem()); },
     "批量计算：CSV 的每一行是一个算例（- 为标准输入）"},
    {"--out", "OUT.csv",
     [](CommandLine& l, const std::string& v) { return (l.outPath = v, Problem()); },
     "批量计算的结果文件（- 为标准输出）"},
    {"--threads", "N", SetThreads, "批量计算所用的线程数（默认：全部处理器核）"},
    {"--case", "FILE.korvane",
     [](CommandLine& l, const std::string& v) { return (l.casePath = v, Problem()); },
     "从算例文件开始（- 为标准输入）；NAME=VALUE 改写其中的输入，计算器可省略"},
    {"--save-case", "FILE.korvane",
     [](CommandLine& l, const std::string& v) { return (l.saveCasePath = v, Problem()); },
     "把这次的输入（算出时连同结果）存为算例文件"},
    {"--report", "FILE.pdf|FILE.html",
     [](CommandLine& l, const std::string& v) { return (l.reportPath = v, Problem()); },
     "写出这次计算的计算书（PDF 或 HTML，按后缀）"},
    {"--project", "NAME",
     [](CommandLine& l, const std::string& v) { return (l.project = v, Problem()); },
     "计算书中的工程名称（默认：桌面程序记住的名称）"},
    {"--engineer", "NAME",
     [](CommandLine& l, const std::string& v) { return (l.engineer = v, Problem()); },
     "计算书中的计算人（默认：桌面程序记住的名称）"},
    {"--checker", "NAME",
     [](CommandLine& l, const std::string& v) { return (l.checker = v, Problem()); },
     "计算书签署栏中的校核人（默认：桌面程序记住的名称）"},
    {"--reviewer", "NAME",
     [](CommandLine& l, const std::string& v) { return (l.reviewer = v, Problem()); },
     "计算书签署栏中的审核人（默认：桌面程序记住的名称）"},
    {"--require", "NAME=VALUE",
     [](CommandLine& l, const std::string& v) {
         return AddNamedValue("--require", v, l.requirements);
     },
     "验算限值，可多次给出：ks（要求安全系数 [K]）；Ra（单桩竖向承载力特征值，kN）、"
     "x0（允许水平位移，mm）；highcap 另有 M（kN·m）、Q（kN）。结果后每项输出一行 check.NAME"},
    {"--basis", "NAME=TEXT",
     [](CommandLine& l, const std::string& v) { return AddNamedValue("--basis", v, l.bases); },
     "验算限值的依据（规范条文），例如 --basis \"ks=GB 50330-2013 表5.3.2\""},
    {"--thorough", nullptr,
     [](CommandLine& l, const std::string&) { return (l.thorough = true, Problem()); },
     "仅 circular：另做全面搜索，在结果后输出 thoroughKs、thoroughR、thoroughX、thoroughY"},
    {"--code-methods", nullptr,
     [](CommandLine& l, const std::string&) { return (l.codeMethods = true, Problem()); },
     "仅 circular、polyline：另按规范方法复核（圆弧：简化 Bishop 法，输出 bishopKs、bishopMinKs、"
     "bishopMinR、bishopMinX、bishopMinY、bishopMinM；折线：传递系数法隐式解，输出 transferKs、"
     "transferThrust），批量计算时各为一列"},
    {"--sweep", "NAME=FROM:TO:N",
     [](CommandLine& l, const std::string& v) { return (l.sweep = v, Problem()); },
     "参数分析：输入项 NAME 取 FROM 到 TO 的 N 个等分点（N ≤ 1000），其余输入同单次计算；"
     "输出 CSV（输入值、结果、状态），到标准输出或 --out"},
    {"--results", "A,B",
     [](CommandLine& l, const std::string& v) { return (l.results = v, Problem()); },
     "参数分析列出的结果（默认：全部）"},
    {"--solve", "NAME=FROM:TO",
     [](CommandLine& l, const std::string& v) { return (l.solve = v, Problem()); },
     "设计搜索：在 FROM 到 TO 间找出结果穿过 --target 的 NAME 值，每个交点输出一行 NAME=VALUE；"
     "找到时退出码 0，范围内无满足者为 4"},
    {"--target", "RESULT>=VALUE",
     [](CommandLine& l, const std::string& v) { return (l.target = v, Problem()); },
     "设计搜索的目标，如 ks>=1.35 或 Ntop<=1800；只写 RESULT 时取算例或 --require 的验算限值"},
    {"--tol", "T",
     [](CommandLine& l, const std::string& v) { return (l.tolerance = v, Problem()); },
     "设计搜索交点的精度（默认：范围的千分之一）"},
    {"--demo", nullptr,
     [](CommandLine& l, const std::string&) { return (l.demo = true, Problem()); },
     "计算四个计算器的示例"},
    {"--help", nullptr,
     [](CommandLine& l, const std::string&) { return (l.help = true, Problem()); }, "显示本说明"},
    {"--version", nullptr,
     [](CommandLine& l, const std::string&) { return (l.version = true, Problem()); },
     "显示程序名与版本"},
    {"-h", nullptr, [](CommandLine& l, const std::string&) { return (l.help = true, Problem()); },
     nullptr},
};

const OptionSpec* FindOption(std::string_view name) {
    for (const OptionSpec& option : kOptions) {
        if (name == option.name)
            return &option;
    }
    return nullptr;
}

// A file named by an option: an empty name would be taken for none.
bool NamesAFile(std::string_view option) {
    return option == "--batch" || option == "--out" || option == "--case" ||
           option == "--save-case" || option == "--report";
}

// Options that may be given more than once, each time adding to the run.
bool Repeatable(std::string_view option) {
    return option == "--require" || option == "--basis";
}

// What the options given say together, once all are read.
Problem CombinationProblem(const CommandLine& line, int argc) {
    if ((line.help || line.version) && argc > 2)
        return Problem(std::string(line.help ? "--help" : "--version") + " 不带其他参数");
    if (line.batchPath.empty() && line.sweep.empty() && !line.outPath.empty())
        return Problem("--out 只用于 --batch 或 --sweep（批量计算、参数分析的结果文件）");
    if (!line.sweep.empty() && !line.solve.empty())
        return Problem("--sweep 与 --solve 不能同用");
    if (!line.batchPath.empty() && (!line.sweep.empty() || !line.solve.empty()))
        return Problem("--batch 不能与 --sweep 或 --solve 同用");
    if (line.solve.empty() != line.target.empty())
        return Problem("--solve 与 --target 须同时给出");
    if (line.solve.empty() && !line.tolerance.empty())
        return Problem("--tol 只用于 --solve（设计搜索的精度）");
    if (line.sweep.empty() && !line.results.empty())
        return Problem("--results 只用于 --sweep（参数分析列出的结果）");
    if ((!line.sweep.empty() || !line.solve.empty()) &&
        (!line.saveCasePath.empty() || !line.reportPath.empty() || line.json || line.thorough))
        return Problem("--sweep、--solve 不能与 --save-case、--report、--json 或 --thorough 同用");
    if (line.batchPath.empty() && line.sweep.empty() && line.threads != 0)
        return Problem("--threads 只用于 --batch 或 --sweep（所用的线程数）");
    return {};
}

} // namespace

Problem ParseCommandLine(int argc, const char* const* argv, CommandLine& line) {
    std::set<std::string> given;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("-") && arg != "-") {
            // --name VALUE or --name=VALUE
            const std::size_t eq = arg.find('=');
            const std::string name = arg.substr(0, eq);
            const OptionSpec* option = FindOption(name);
            if (!option)
                return Problem("没有选项“" + name + "”（korvane-calc --help 列出选项）");
            std::string value;
            if (option->value && eq != std::string::npos) {
                value = arg.substr(eq + 1);
            } else if (option->value) {
                if (i + 1 >= argc)
                    return Problem(name + " 后面要跟 " + option->value);
                value = argv[++i];
            } else if (eq != std::string::npos) {
                return Problem(name + " 不带值");
            }
            // The last of two would win silently: say so instead, as for a member.
            const std::string canonical = name == "-h" ? "--help" : name;
            if (!Repeatable(canonical) && !given.insert(canonical).second)
                return Problem(name + " 给了两次，每个选项只能给一次");
            if (NamesAFile(name) && value.empty())
                return Problem(name + " 后面的文件名是空的");
            if (Problem problem = option->apply(line, value))
                return problem;
            continue;
        }
        const std::size_t eq = arg.find('=');
        if (eq == std::string::npos && line.calculator.empty() && line.assignments.empty()) {
            line.calculator = arg;
            continue;
        }
        if (eq == std::string::npos || eq == 0)
            return Problem("参数应写成 NAME=VALUE（成员名=值），而不是“" + arg + "”");
        line.assignments.emplace_back(arg.substr(0, eq), arg.substr(eq + 1));
    }
    return CombinationProblem(line, argc);
}

std::string OptionHelp() {
    std::string out;
    for (const OptionSpec& option : kOptions) {
        if (!option.help)
            continue;
        std::string head = std::string("  ") + option.name;
        if (option.value)
            head += std::string(" ") + option.value;
        if (head.size() < 22)
            head.resize(22, ' ');
        else
            head += "  ";
        out += head + option.help + "\n";
    }
    return out;
}

} // namespace korvane
