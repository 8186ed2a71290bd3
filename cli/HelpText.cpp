#include "HelpText.h"

#include "CaseRecord.h"

#include "CommandLine.h"

#include <cstdio>
#include <string>

namespace korvane {

namespace {

const char* KindText(FieldKind kind) {
    switch (kind) {
    case FieldKind::Number:
        return "数";
    case FieldKind::WholeNumber:
        return "整数";
    case FieldKind::Radio:
        return "单选位置";
    case FieldKind::None:
        return "";
    }
    return "";
}

template <class Record> void PrintMember(const MemberInfo<Record>& info, const Record& defaults) {
    const bool input = info.role == MemberRole::Input;
    const std::string name = std::string(info.name) + (input ? "=" : "");
    std::printf("    %-16s %s", name.c_str(), MemberLabel(info).c_str());
    if (*info.unit)
        std::printf(" [%s]", info.unit);
    if (input) {
        std::printf("（%s，默认 %s", KindText(info.kind), MemberFieldText(defaults, info).c_str());
        if (info.range)
            std::printf("，范围 %s..%s", FormatNumber(info.range->min).c_str(),
                        FormatNumber(info.range->max).c_str());
        if (info.kind == FieldKind::Radio && info.RadioButtons() > 0)
            std::printf("，可选 0..%d", info.RadioButtons() - 1);
        std::printf("）");
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
    std::printf("  下拉列表：\n");
    for (const ListOption& list : calc.lists) {
        std::string entries;
        for (const std::string& e : list.entries)
            entries += (entries.empty() ? "" : "|") + e;
        std::printf("    %-16s %s %s（默认：不选）\n", (std::string(list.name) + "=").c_str(),
                    list.label, entries.c_str());
    }
    PrintMembers(calc, MemberRole::Input, "输入项（NAME=VALUE 赋值）：");
    PrintMembers(calc, MemberRole::Result, "计算结果（输出，不能赋值）：");
    PrintMembers(calc, MemberRole::Internal, "内部值（输出，不能赋值：查表、推导或固定的参数）：");
}

} // namespace

void PrintHelp() {
    std::printf(
        "用法：korvane-calc 计算器 [NAME=VALUE ...] [--json] [--save-case FILE.korvane]\n"
        "                         [--report FILE.pdf|FILE.html [--project 名称] [--engineer "
        "姓名]]\n"
        "                         [--thorough]（仅 circular）\n"
        "      korvane-calc [计算器] --case FILE.korvane [NAME=VALUE ...] [以上选项]\n"
        "      korvane-calc 计算器 --batch IN.csv --out OUT.csv [--threads N]\n"
        "      korvane-calc --demo | --help | --version\n"
        "\n"
        "不开窗口运行 Korvane 的计算器，从窗体的默认值开始。每个 NAME=VALUE 给窗体的一个\n"
        "输入项赋值，NAME 是该项的成员名，每项只能给一次。值的读法与窗体读输入框完全相同：\n"
        "十进制数（“1d2”与“1E2”都是 100，前后可有空格），个数与单选位置为整数，并做窗体的\n"
        "范围检查；单选位置只能是组内的按钮。concrete= 与 rebar= 选下拉列表的一项；不给则\n"
        "不选，与窗体刚打开时一样（边坡计算此时把 ft 或 fyv 按 0 计算，并在标准错误上说明）。\n"
        "计算结果与内部值会输出，但不能赋值。\n"
        "\n"
        "输出：记录中的每个数一行 NAME=VALUE，按声明顺序，格式与窗体的输入框相同；桩的两个\n"
        "计算器再加 momentSeries= 与 shearSeries=（各深度点的弯矩 kN·m 与剪力 kN）。结果\n"
        "不是有限数时输出 undefined。--json 输出一个对象：calculator、title、selections（未选\n"
        "为 null）、inputs、results、internal（每项含 value 全精度数、text 输入框显示的文本、\n"
        "unit、label；无定义时 value 与 text 为 null）、深度序列、refusal（被拒绝时）、\n"
        "undefined（无定义的结果名），以及与旧版相同的 members（成员名 → 数）。\n"
        "\n"
        "--case 从算例文件（.korvane）开始：其输入与结果按窗体打开算例的方式读入，命令行上的\n"
        "NAME=VALUE 再改写输入；计算器可省略，若给出须与算例的相同。--save-case 把这次的\n"
        "输入存为算例，算出时连同结果。\n"
        "\n"
        "--batch 把 CSV 文件（RFC 4180，UTF-8，可带 BOM，CRLF 或 LF）的每一行当作一个算例：\n"
        "标题行写输入项与下拉列表的名称，缺的列或空格子取默认值。结果文件先照录每行的输入，\n"
        "再按成员名加上各计算结果（格式同输入框；被拒绝或无定义的为空）和一列 status\n"
        "（已计算、拒绝：原因、无定义：成员名）。结果文件先写到 OUT.csv.tmp，完整后才改名为\n"
        "OUT.csv。各行分给全部处理器核计算，结果与单线程逐字节相同。\n"
        "\n"
        "退出状态：0 已计算；2 值、输入或用法被拒绝（原因在标准错误上，不计算），批量时任一行\n"
        "被拒绝；3 已计算，但有结果不是有限数（标准错误上列出），批量时任一行无定义。\n"
        "\n"
        "选项：\n%s"
        "\n"
        "计算器及其成员（标签 [单位]），输入项带默认值：\n",
        OptionHelp().c_str());
    PrintCalculatorHelp(CircularCalculator());
    PrintCalculatorHelp(PolylineCalculator());
    PrintCalculatorHelp(CombinedCalculator());
    PrintCalculatorHelp(HighCapCalculator());
}

} // namespace korvane
