// End-to-end runs of korvane-calc: what an engineer sees in a terminal.

#include "CalcRun.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

using korvane_test::Calc;
using korvane_test::CalcRun;
using korvane_test::HasLine;

TEST(CalcCommand, CircularCriticalCircle) {
    const CalcRun run = Calc("circular concrete=C30 rebar=HPB235");
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* line : {"ks=1.67", "R=7.42", "x=3.7", "y=6.43", "sax=0", "ft=1.43", "fyv=210",
                             "searchAngleFrom=144", "searchAngleTo=55", "searchDistFrom=0.6"})
        EXPECT_TRUE(HasLine(run.out, line)) << line << "\n" << run.out;
    // Every number of the record, in declaration order.
    EXPECT_EQ(run.out.rfind("b=1.4\n", 0), 0u);
    EXPECT_TRUE(run.out.ends_with("fyv=210\n"));
}

TEST(CalcCommand, CircularWithoutGrades) {
    const CalcRun run = Calc("circular");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(HasLine(run.out, "ks=0.39")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "ft=0"));
}

TEST(CalcCommand, PolylineSafetyFactor) {
    EXPECT_TRUE(HasLine(Calc("polyline concrete=C30 rebar=HPB235").out, "ks=0.53"));
    EXPECT_TRUE(HasLine(Calc("polyline concrete=C55 rebar=HRB400").out, "ks=0.64"));
    EXPECT_TRUE(HasLine(Calc("polyline H=0").out, "ks=0.7"));
}

TEST(CalcCommand, CombinedAction) {
    const CalcRun run = Calc("combined concrete=C30");
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* line : {"capU=4.85", "capBeta=26.36", "x0=3.21", "Ntop=2635.86",
                             "maxMoment=55.54", "lastPoint=40", "nx=9", "bearingLayer=0"})
        EXPECT_TRUE(HasLine(run.out, line)) << line << "\n" << run.out;
    EXPECT_NE(run.out.find("\nmomentSeries=-18.49"), std::string::npos) << run.out;
}

TEST(CalcCommand, HighCap) {
    const CalcRun run = Calc("highcap concrete=C30");
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* line : {"Mmax=32.87", "yMmax=4.44", "xPile=23", "Qmax=35.23", "yQmax=2",
                             "capU=5.54", "capBeta=2.43", "x0=3.87"})
        EXPECT_TRUE(HasLine(run.out, line)) << line << "\n" << run.out;
    // 41 depth points per series.
    const std::size_t at = run.out.find("\nshearSeries=");
    ASSERT_NE(at, std::string::npos);
    const std::string shear = run.out.substr(at + 13, run.out.find('\n', at + 1) - at - 13);
    EXPECT_EQ(std::count(shear.begin(), shear.end(), ' '), 40);
    EXPECT_TRUE(shear.ends_with(" 0"));
}

TEST(CalcCommand, ValuesAreReadAsTheFormReadsThem) {
    EXPECT_TRUE(HasLine(Calc("highcap concrete=C30 phi=45 xiN=1d0").out, "xiN=1"));
    EXPECT_TRUE(HasLine(Calc("circular \"h= 6 \"").out, "h=6"));
}

TEST(CalcCommand, RefusedValuesPrintTheFormsMessage) {
    struct Case {
        const char* args;
        const char* message;
    };
    const Case cases[] = {
        {"circular h=6m", "请键入一个数。"},
        {"circular h=", "请键入一个数。"},
        {"polyline beta=-0", "请键入一个数。"},
        {"combined nx=12.5", "请键入一个整数。"},
        {"combined concrete=C30 l0=25", "“请填入一个在0和20之间的数字。”"},
        {"highcap concrete=C30 phi=46", "“请填入一个在0和45之间的整数。”"},
        {"highcap concrete=C30 xiN=1.01", "“请填入一个在0.5和1之间的数字。”"},
        {"highcap concrete=C30 CR=100", "“请填入一个在300000和15000000之间的数字。”"},
    };
    for (const Case& c : cases) {
        const CalcRun run = Calc(c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << c.args;
    }
}

TEST(CalcCommand, UsageErrors) {
    EXPECT_EQ(Calc("circular ft=1").status, 2); // no field for it
    EXPECT_EQ(Calc("circular nosuch=1").status, 2);
    EXPECT_EQ(Calc("circular concrete=C60").status, 2);
    EXPECT_EQ(Calc("spiral").status, 2);
    EXPECT_EQ(Calc("circular h").status, 2);
    const CalcRun help = Calc("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("stirrupDia="), std::string::npos);
    EXPECT_NE(help.out.find("桩身最大弯矩(KN.m) [kN·m]"), std::string::npos);
}

// The help text of one calculator, from its title line to the next one.
std::string CalculatorHelp(const std::string& help, const std::string& name) {
    const std::size_t start = help.find("\n" + name + "  —  ");
    if (start == std::string::npos)
        return {};
    const std::size_t end = help.find("  —  ", start + name.size() + 6);
    return help.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The lines of `section` from its heading to the next heading of the same indent.
std::string HelpSection(const std::string& text, const std::string& heading) {
    const std::size_t start = text.find("\n  " + heading);
    if (start == std::string::npos)
        return {};
    std::size_t end = start + 1;
    while ((end = text.find("\n  ", end + 1)) != std::string::npos && text[end + 3] == ' ') {
    }
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

TEST(CalcCommand, HelpListsInputsWithDefaultsApartFromResults) {
    const std::string help = Calc("--help").out;
    const std::string circular = CalculatorHelp(help, "circular");
    const std::string inputs = HelpSection(circular, "输入项");
    const std::string results = HelpSection(circular, "计算结果");
    const std::string internal = HelpSection(circular, "内部值");
    EXPECT_NE(inputs.find("    h=  "), std::string::npos) << inputs;
    EXPECT_NE(inputs.find("默认 6）"), std::string::npos) << inputs;
    for (const char* result : {"ks", "R", "x", "y"}) {
        const std::string row = std::string("\n    ") + result + " ";
        EXPECT_EQ(inputs.find(std::string("\n    ") + result + "="), std::string::npos) << result;
        EXPECT_NE(results.find(row), std::string::npos) << result << results;
    }
    EXPECT_EQ(results.find("默认"), std::string::npos) << results;
    EXPECT_NE(internal.find("\n    ft "), std::string::npos) << internal;
    EXPECT_NE(internal.find("\n    searchDistFrom "), std::string::npos) << internal;

    const std::string highcap = CalculatorHelp(help, "highcap");
    EXPECT_NE(HelpSection(highcap, "输入项").find("范围 0..45"), std::string::npos);
    EXPECT_NE(HelpSection(highcap, "计算结果").find("\n    Mmax "), std::string::npos);
    const std::string combined = HelpSection(CalculatorHelp(help, "combined"), "输入项");
    EXPECT_NE(
        combined.find("bearingLayer=    桩端持力层：0 非基岩，1 基岩面，2 嵌入基岩（单选位置，默认 "
                      "0，可选 0..2）"),
        std::string::npos)
        << combined;
}

TEST(CalcCommand, ResultsAndInternalValuesCannotBeAssigned) {
    for (const char* args :
         {"circular concrete=C30 ks=9", "circular concrete=C30 R=1", "combined concrete=C30 capU=1",
          "highcap concrete=C30 Mmax=1", "circular concrete=C30 ft=1",
          "combined concrete=C30 lastPoint=3", "circular searchAngleTo=60"}) {
        const CalcRun run = Calc(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_NE(run.err.find("不能在命令行上赋值"), std::string::npos) << args << ": " << run.err;
    }
    // Named for what it is, so that the user knows why.
    EXPECT_NE(Calc("circular ks=9").err.find("ks 是计算结果"), std::string::npos);
    EXPECT_NE(Calc("circular ft=1").err.find("ft 不是输入项"), std::string::npos);
}

TEST(CalcCommand, CoreRefusalsExitWithTheirMessage) {
    const CalcRun noGrade = Calc("highcap");
    EXPECT_EQ(noGrade.status, 2);
    EXPECT_FALSE(noGrade.err.empty());
    EXPECT_EQ(Calc("combined concrete=C30 nx=0").status, 2);
    EXPECT_EQ(Calc("circular sax=-1").status, 2);
    EXPECT_EQ(Calc("polyline h=0").status, 2);
}

TEST(CalcCommand, NotFiniteResultsAreNotShownAsZero) {
    // A zero cap length divides the cap load by zero in every strip under the cap.
    const CalcRun run = Calc("polyline Bb=0");
    EXPECT_EQ(run.status, 3) << run.out << run.err;
    EXPECT_TRUE(HasLine(run.out, "ks=undefined")) << run.out;
    EXPECT_NE(run.err.find("ks"), std::string::npos);
    const CalcRun json = Calc("polyline Bb=0 --json");
    EXPECT_NE(json.out.find("\"ks\": null"), std::string::npos) << json.out;
}

TEST(CalcCommand, JsonHasFullPrecision) {
    const CalcRun run = Calc("circular concrete=C30 rebar=HPB235 --json");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\"members\": {\"b\": 1.3999999999999999"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"ks\": 1.6699999999999999"), std::string::npos) << run.out;
}

// The JSON object describes the case: each member with its value, shown text, unit
// and label, under its role.
TEST(CalcCommand, JsonSeparatesInputsResultsAndInternalValues) {
    const CalcRun run = Calc("highcap concrete=C30 --json");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string& out = run.out;
    EXPECT_EQ(
        out.rfind(
            "{\"calculator\": \"highcap\", \"title\": \"高承台桩身最大弯矩计算—共同作用方法\", "
            "\"selections\": {\"concrete\": \"C30\"}, \"inputs\": {",
            0),
        0u)
        << out;
    const std::size_t inputs = out.find("\"inputs\": {");
    const std::size_t results = out.find("\"results\": {");
    const std::size_t internal = out.find("\"internal\": {");
    ASSERT_LT(inputs, results);
    ASSERT_LT(results, internal);
    EXPECT_NE(out.find("\"xiN\": {\"value\": 0.5, \"text\": \"0.5\", \"unit\": \"\", \"label\": "
                       "\"桩轴力传递系数\"}"),
              std::string::npos);
    const std::string mmax = "\"Mmax\": {\"value\": 32.869999999999997, ";
    EXPECT_GT(out.find(mmax), results);
    EXPECT_LT(out.find(mmax), internal);
    EXPECT_NE(
        out.find("\"text\": \"32.87\", \"unit\": \"kN·m\", \"label\": \"桩身最大弯矩(KN.m)\""),
        std::string::npos);
    EXPECT_GT(out.find("\"Ec\": {\"value\": "), internal);
    EXPECT_NE(out.find("\"momentSeries\": ["), std::string::npos);
    EXPECT_EQ(out.find("\"refusal\""), std::string::npos);
    EXPECT_EQ(out.find("\"undefined\""), std::string::npos);
    EXPECT_TRUE(out.ends_with("}\n"));
}

TEST(CalcCommand, JsonSaysWhatWasRefusedOrUndefined) {
    const CalcRun none = Calc("circular --json");
    EXPECT_NE(none.out.find("\"selections\": {\"concrete\": null, \"rebar\": null}"),
              std::string::npos)
        << none.out;

    const CalcRun undefined = Calc("polyline Bb=0 --json");
    EXPECT_EQ(undefined.status, 3);
    EXPECT_NE(undefined.out.find("\"ks\": {\"value\": null, \"text\": null"), std::string::npos)
        << undefined.out;
    EXPECT_NE(undefined.out.find("\"undefined\": [\"ks\""), std::string::npos) << undefined.out;

    // Refused by the calculation: the inputs as read, no results.
    const CalcRun refused = Calc("highcap --json");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.out.find("\"inputs\": {"), std::string::npos) << refused.out;
    EXPECT_EQ(refused.out.find("\"results\""), std::string::npos) << refused.out;
    EXPECT_NE(refused.out.find("\"refusal\": \""), std::string::npos) << refused.out;

    // Refused while reading a field: what the form said.
    const CalcRun field = Calc("circular h=6m --json");
    EXPECT_EQ(field.status, 2);
    EXPECT_NE(field.out.find("\"refusal\": \"坡高h(m)（h）的文本“6m”不能接受：请键入一个数。\""),
              std::string::npos)
        << field.out;
    EXPECT_EQ(field.out.find("\"inputs\""), std::string::npos) << field.out;
}

TEST(CalcCommand, VersionFromTheProject) {
    const CalcRun run = Calc("--version");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("korvane-calc（Korvane）", 0), 0u) << run.out;
    const std::string version = run.out.substr(std::string("korvane-calc（Korvane）").size());
    EXPECT_TRUE(version.ends_with("\n"));
    EXPECT_EQ(version.find_first_not_of("0123456789."), version.size() - 1) << version;
}

TEST(CalcCommand, UsageErrorsAreSaidInChinese) {
    struct Case {
        const char* args;
        const char* message;
    };
    const Case cases[] = {
        {"circular h", "参数应写成 NAME=VALUE（成员名=值），而不是“h”"},
        {"spiral", "没有名为“spiral”的计算器（可选：circular、polyline、combined、highcap）"},
        {"circular --bogus", "没有选项“--bogus”"},
        {"circular --batch", "--batch 后面要跟 IN.csv"},
        {"circular --threads 0 --batch x.csv --out -", "--threads 需要 1 到 1024 之间的整数"},
        {"circular --json=1", "--json 不带值"},
        {"circular nosuch=1", "circular 没有可输入的成员 nosuch"},
        {"circular concrete=C60", "桩身混凝土：没有“C60”一项"},
    };
    for (const Case& c : cases) {
        const CalcRun run = Calc(c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << ": " << run.err;
    }
}

TEST(CalcCommand, AMemberGivenTwiceIsRefused) {
    const CalcRun run = Calc("circular h=6 beta=50 h=7");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("h 给了两次（h=6，h=7），每项只能给一次"), std::string::npos) << run.err;
    EXPECT_EQ(Calc("circular concrete=C30 concrete=C30").status, 2);
}

TEST(CalcCommand, RadioPositionsStayInTheirGroup) {
    EXPECT_EQ(Calc("combined concrete=C30 bearingLayer=2").status, 0);
    EXPECT_EQ(Calc("highcap concrete=C30 bearingLayer=1 pileType=0").status, 0);
    struct Case {
        const char* args;
        const char* message;
    };
    const Case cases[] = {
        {"combined concrete=C30 bearingLayer=3",
         "桩端持力层：0 非基岩，1 基岩面，2 嵌入基岩（bearingLayer）的单选位置 3 不在组内："
         "“请填入一个在0和2之间的整数。”"},
        {"highcap concrete=C30 bearingLayer=2", "“请填入一个在0和1之间的整数。”"},
        {"highcap concrete=C30 pileType=-1", "（pileType）的单选位置 -1 不在组内"},
        {"combined concrete=C30 pileType=2", "（pileType）的单选位置 2 不在组内"},
    };
    for (const Case& c : cases) {
        const CalcRun run = Calc(c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_TRUE(run.out.empty()) << c.args;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << ": " << run.err;
    }
}

// A slope case computes without grades, as the form does, and says what it took as 0.
TEST(CalcCommand, SlopeCaseWithoutGradesSaysWhichStrengthIsZero) {
    const CalcRun none = Calc("circular");
    EXPECT_EQ(none.status, 0);
    EXPECT_NE(none.err.find("未选桩身混凝土，ft 按 0 计算"), std::string::npos) << none.err;
    EXPECT_NE(none.err.find("未选钢筋型号，fyv 按 0 计算"), std::string::npos) << none.err;
    const CalcRun rebarOnly = Calc("polyline concrete=C30");
    EXPECT_EQ(rebarOnly.status, 0);
    EXPECT_EQ(rebarOnly.err.find("ft 按 0"), std::string::npos) << rebarOnly.err;
    EXPECT_NE(rebarOnly.err.find("未选钢筋型号，fyv 按 0 计算"), std::string::npos);
    EXPECT_TRUE(Calc("circular concrete=C30 rebar=HPB235").err.empty());
    EXPECT_TRUE(Calc("highcap concrete=C30").err.empty());
}

// Inputs that make a result meaningless are computed all the same and said on standard
// error, in JSON and in a batch row's status.
TEST(CalcCommand, ImplausibleInputsComputeWithAWarning) {
    const CalcRun low = Calc("circular h=-6 concrete=C30 rebar=HPB235");
    EXPECT_EQ(low.status, 0);
    EXPECT_NE(low.err.find("坡高h(m)为 -6，应大于 0"), std::string::npos) << low.err;
    EXPECT_NE(low.out.find("ks="), std::string::npos);

    const CalcRun none = Calc("circular stirrupSpacing=0 concrete=C30 rebar=HPB235");
    EXPECT_EQ(none.status, 0);
    EXPECT_NE(none.err.find("未找到稳定系数低于 499.999 的滑动圆弧"), std::string::npos)
        << none.err;
    EXPECT_NE(none.out.find("ks=500\n"), std::string::npos) << none.out; // the method's value

    const CalcRun json = Calc("combined concrete=C30 sax=-1 --json");
    EXPECT_NE(json.out.find("\"notes\": [\"sax(m)为 -1，应不小于 0，结果可能没有意义\"]"),
              std::string::npos)
        << json.out;

    const std::string in = korvane_test::TempPath("implausible.csv");
    korvane_test::WriteFile(in, "concrete,gamma\nC30,-18\nC30,18\n");
    const CalcRun batch = Calc("polyline --batch " + in + " --out -");
    EXPECT_NE(batch.out.find(",已计算（提示：未选钢筋型号，fyv 按 0 计算；土体容重(kN/m3)为 -18，"
                             "应大于 0，结果可能没有意义）\n"),
              std::string::npos)
        << batch.out;
    EXPECT_NE(batch.out.find(",已计算（提示：未选钢筋型号，fyv 按 0 计算）\n"), std::string::npos);
    std::remove(in.c_str());
}

// The grades of current codes compute by their names; the older ones keep their results.
TEST(CalcCommand, CurrentGradesComputeByName) {
    const CalcRun current = Calc("circular concrete=C25 rebar=HPB300");
    EXPECT_EQ(current.status, 0) << current.err;
    EXPECT_TRUE(current.err.empty()) << current.err;
    EXPECT_NE(current.out, Calc("circular concrete=C30 rebar=HPB235").out);
    EXPECT_EQ(Calc("highcap concrete=C25").status, 0);
    EXPECT_NE(Calc("highcap concrete=C25").out, Calc("highcap concrete=C30").out);
}

// The code's methods print beside the form's results, which stay as they were.
TEST(CalcCommand, CodeMethodsBesideTheFormsResults) {
    const std::string grades = " concrete=C30 rebar=HPB235";
    const CalcRun plain = Calc("circular" + grades);
    const CalcRun circle = Calc("circular" + grades + " --code-methods");
    EXPECT_EQ(circle.status, 0) << circle.err;
    EXPECT_TRUE(circle.out.starts_with(plain.out));
    for (const char* line : {"bishopKs=1.75", "bishopMinKs=", "bishopMinR=", "bishopMinX=",
                             "bishopMinY=", "bishopMinM="})
        EXPECT_NE(circle.out.find(std::string("\n") + line), std::string::npos) << line;

    const CalcRun polyline = Calc("polyline" + grades + " --code-methods");
    EXPECT_TRUE(HasLine(polyline.out, "transferKs=0.54")) << polyline.out;
    EXPECT_TRUE(HasLine(polyline.out, "transferThrust=-3.56 50.51 0")) << polyline.out;
    const CalcRun json = Calc("polyline" + grades + " --code-methods --json");
    EXPECT_NE(json.out.find("\"codeMethods\": {\"transferKs\": {\"value\": 0.548080354160"),
              std::string::npos)
        << json.out;

    // The pile calculators have none.
    const CalcRun pile = Calc("highcap concrete=C30 --code-methods");
    EXPECT_EQ(pile.status, 2);
    EXPECT_NE(pile.err.find("--code-methods 只用于 circular 和 polyline"), std::string::npos);

    // A batch has a column for each figure.
    const std::string in = korvane_test::TempPath("methods.csv");
    korvane_test::WriteFile(in, "h,concrete,rebar\n6,C30,HPB235\n6m,C30,HPB235\n");
    const CalcRun batch = Calc("polyline --batch " + in + " --out - --code-methods");
    EXPECT_EQ(batch.out,
              "h,concrete,rebar,ks,transferKs,transferThrust,status\n"
              "6,C30,HPB235,0.53,0.54,-3.56 50.51 0,已计算\n"
              "6m,C30,HPB235,,,,拒绝：坡高h(m)（h）的文本“6m”不能接受：请键入一个数。\n");
    std::remove(in.c_str());
}
