// korvane-calc with case files: --save-case writes what was computed, --case starts
// from it, NAME=VALUE over it.

#include "CalcRun.h"

#include <gtest/gtest.h>
#include <string>

using korvane_test::Calc;
using korvane_test::CalcRun;
using korvane_test::HasLine;
using korvane_test::ReadFile;
using korvane_test::TempPath;
using korvane_test::WriteFile;

TEST(CaseCommand, SavedCaseGivesTheSameAnswerForEveryCalculator) {
    const char* cases[] = {
        "circular concrete=C35 rebar=HRB335 h=7 beta=50",
        "polyline concrete=C30 rebar=HPB235 h1=1",
        "polyline Bb=0", // undefined: the case keeps what the fields show
        "combined concrete=C40 nx=3 nz=4 l0=0",
        "highcap concrete=C30 nx=2 nz=2 H=100 M=0 NG=1000",
    };
    const std::string file = TempPath("round.korvane");
    const std::string again = TempPath("again.korvane");
    for (const char* args : cases) {
        const CalcRun first = Calc(std::string(args) + " --save-case " + file);
        const CalcRun text = Calc("--case " + file);
        EXPECT_EQ(text.status, first.status) << args << text.err;
        EXPECT_EQ(text.out, first.out) << args;
        EXPECT_EQ(Calc("--case " + file + " --json").out, Calc(std::string(args) + " --json").out)
            << args;
        // Saved again from the case: the same file.
        Calc("--case " + file + " --save-case " + again);
        EXPECT_EQ(ReadFile(again), ReadFile(file)) << args;
        EXPECT_NE(ReadFile(file).find("\"calculated\": true"), std::string::npos) << args;
    }
    std::remove(file.c_str());
    std::remove(again.c_str());
}

TEST(CaseCommand, CommandLineValuesOverTheCase) {
    const std::string file = TempPath("over.korvane");
    ASSERT_EQ(Calc("circular concrete=C30 rebar=HPB235 h=7 --save-case " + file).status, 0);
    EXPECT_EQ(Calc("--case " + file + " h=8 rebar=HRB400").out,
              Calc("circular concrete=C30 rebar=HRB400 h=8").out);
    // The calculator may be named, if it is the case's.
    EXPECT_EQ(Calc("circular --case " + file).out, Calc("--case " + file).out);
    EXPECT_EQ(Calc("--case - < " + file).out, Calc("--case " + file).out);

    const CalcRun other = Calc("polyline --case " + file);
    EXPECT_EQ(other.status, 2);
    EXPECT_NE(other.err.find("是 circular 的算例，不能用 polyline 计算"), std::string::npos)
        << other.err;
    EXPECT_TRUE(other.out.empty());
    // An override is read like any field.
    EXPECT_NE(Calc("--case " + file + " h=7m").err.find("请键入一个数。"), std::string::npos);
    std::remove(file.c_str());
}

TEST(CaseCommand, FilesThatAreNoCaseAreRefusedByName) {
    const std::string file = TempPath("bad.korvane");
    WriteFile(file, "{\"format\": \"korvane-case\", \"version\": 1, \"calculator\": \"spiral\"}");
    const CalcRun bad = Calc("--case " + file);
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("bad.korvane"), std::string::npos) << bad.err;
    EXPECT_NE(bad.err.find("spiral"), std::string::npos) << bad.err;
    EXPECT_EQ(Calc("--case " + TempPath("missing.korvane")).status, 2);
    WriteFile(file, "{}");
    EXPECT_NE(Calc("--case - < " + file).err.find("标准输入：不是 Korvane 算例"),
              std::string::npos);
    std::remove(file.c_str());
}

TEST(CaseCommand, WhatIsSavedWhenTheInputsAreRefused) {
    const std::string file = TempPath("refused.korvane");
    // Refused by the calculation (no grade): the inputs are kept, uncalculated.
    EXPECT_EQ(Calc("highcap nx=3 --save-case " + file).status, 2);
    const std::string saved = ReadFile(file);
    EXPECT_NE(saved.find("\"calculated\": false"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\"nx\": \"3\""), std::string::npos) << saved;
    EXPECT_EQ(saved.find("\"results\""), std::string::npos) << saved;
    // Refused by a field: nothing was read, nothing is written.
    std::remove(file.c_str());
    const CalcRun field = Calc("highcap nx=3.5 --save-case " + file);
    EXPECT_EQ(field.status, 2);
    EXPECT_TRUE(ReadFile(file).empty());
    EXPECT_NE(field.err.find("没有保存算例"), std::string::npos) << field.err;

    EXPECT_EQ(Calc("circular --batch x.csv --out - --case " + file).status, 2);
}

// A case file holding a radio position its group lacks is refused as the case reader
// refuses it, whether it is calculated, reported or saved again; nothing is written.
TEST(CaseCommand, ARadioPositionOutsideItsGroupIsRefusedByEveryUse) {
    const std::string file = TempPath("radio.korvane");
    WriteFile(file, R"({"format": "korvane-case", "version": 1, "calculator": "highcap",
        "selections": {"concrete": "C30"}, "inputs": {"bearingLayer": "7"}})");
    const std::string message =
        "桩端持力层：0 基岩，1 非基岩（bearingLayer）的单选位置 7 不在组内："
        "“请填入一个在0和1之间的整数。”";
    const std::string html = TempPath("radio.html");
    const std::string saved = TempPath("radio-saved.korvane");
    const std::string uses[] = {"", " --json", " --report " + html, " --save-case " + saved};
    for (const std::string& use : uses) {
        const CalcRun run = Calc("--case " + file + use);
        EXPECT_EQ(run.status, 2) << use;
        EXPECT_NE(run.err.find(message), std::string::npos) << use << ": " << run.err;
        EXPECT_EQ(run.out, "") << use;
    }
    EXPECT_EQ(ReadFile(html), "");
    EXPECT_EQ(ReadFile(saved), "");
    // The same words when the position is given on the command line.
    const CalcRun typed = Calc("highcap concrete=C30 bearingLayer=7 --report " + html);
    EXPECT_EQ(typed.status, 2);
    EXPECT_NE(typed.err.find(message), std::string::npos) << typed.err;
    EXPECT_EQ(ReadFile(html), "");
    std::remove(file.c_str());
}

TEST(CaseCommand, LimitsAreCheckedAndKeptInTheCase) {
    const std::string file = TempPath("limits.korvane");
    const CalcRun met = Calc("circular concrete=C30 rebar=HPB235 --require ks=1.35 --basis "
                             "\"ks=GB 50330-2013 表5.3.2\" --save-case " +
                             file);
    ASSERT_EQ(met.status, 0) << met.err;
    EXPECT_TRUE(HasLine(met.out, "check.ks=满足 (1.67 ≥ 1.35)")) << met.out;
    const std::string saved = ReadFile(file);
    EXPECT_NE(saved.find("\"version\": 2"), std::string::npos) << saved;
    EXPECT_NE(saved.find("GB 50330-2013 表5.3.2"), std::string::npos) << saved;
    // The case reopens with its limit; the command line's limit goes over it.
    EXPECT_TRUE(HasLine(Calc("--case " + file).out, "check.ks=满足 (1.67 ≥ 1.35)"));
    EXPECT_TRUE(
        HasLine(Calc("--case " + file + " --require ks=2").out, "check.ks=不满足 (1.67 < 2)"));
    const CalcRun json = Calc("--case " + file + " --json");
    EXPECT_NE(json.out.find("\"checks\": [{\"name\": \"ks\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"basis\": \"GB 50330-2013 表5.3.2\""), std::string::npos);
    std::remove(file.c_str());

    // Without limits a case is written as before.
    Calc("circular --save-case " + file);
    EXPECT_NE(ReadFile(file).find("\"version\": 1"), std::string::npos);
    std::remove(file.c_str());
}

// A case's parameter study stays with it through the command and goes into its report.
TEST(CaseCommand, AStudyIsKeptInTheCaseAndAppendedToItsReport) {
    const std::string file = TempPath("study.korvane"), saved = TempPath("study-saved.korvane");
    std::string text = ReadFile((Calc("circular --save-case " + file), file));
    const std::string study = R"("study": {"input": "say", "from": "0.8", "to": "4", "points": 5,
        "result": "ks", "target": {"relation": ">=", "value": "1.35"}, "inReport": true},)";
    text.insert(text.find('{') + 1, study);
    WriteFile(file, text);
    const std::string html = TempPath("study.html");
    const CalcRun run =
        Calc("--case " + file + " sax=1 --save-case " + saved + " --report " + html);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string kept = ReadFile(saved);
    EXPECT_NE(kept.find("\"version\": 3"), std::string::npos) << kept;
    EXPECT_NE(kept.find("\"input\": \"say\""), std::string::npos) << kept;
    const std::string report = ReadFile(html);
    EXPECT_NE(report.find("附录 参数分析"), std::string::npos);
    EXPECT_NE(report.find("say = "), std::string::npos); // the crossing
    for (const std::string& f : {file, saved, html})
        std::remove(f.c_str());
}

TEST(CaseCommand, ALimitIsRefusedLikeAField) {
    for (const char* args :
         {"circular --require ks=0", "circular --require ks=abc", "circular --require Ra=1500",
          "combined --require ks=1.3", "circular --require ks",
          "circular --require ks=1.3 --require ks=1.4", "circular --basis ks=GB"}) {
        const CalcRun run = Calc(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_FALSE(run.err.empty()) << args;
    }
    EXPECT_NE(Calc("circular --require ks=-1").err.find("要求安全系数 [K]须为大于 0 的数"),
              std::string::npos);
    EXPECT_NE(Calc("combined --require M=100").err.find("可验算：Ra、x0"), std::string::npos);
}

TEST(CaseCommand, TheJsonDetailNamesTheWorkBehindTheResults) {
    const CalcRun circular = Calc("circular concrete=C30 rebar=HPB235 --json");
    for (const char* key : {"\"detail\": {\"critical\": {\"x0\": 3.7502", "\"xC\": ", "\"Sr\": ",
                            "\"slices\": [{\"xL\": 0, ", "\"pileRows\": [{\"x\": "})
        EXPECT_NE(circular.out.find(key), std::string::npos) << key;
    const CalcRun highcap = Calc("highcap concrete=C30 l0=5 --json");
    for (const char* key :
         {"\"detail\": {\"piles\": [{\"x\": ", "\"Nmax\": ", "\"Nmean\": ", "\"Mtop\": -139.19",
          "\"depth\": [{\"reduced\": null, "
          "\"belowGround\": -5, \"belowCap\": 0, "})
        EXPECT_NE(highcap.out.find(key), std::string::npos) << key;
}
