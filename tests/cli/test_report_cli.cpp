// korvane-calc writing reports and searching thoroughly: what a script gets.

#include "CalcRun.h"

using namespace korvane_test;

TEST(ReportCommand, WritesThePdfOrHtmlOfTheCaseAsCalculated) {
    const std::string html = TempPath("report.html");
    const CalcRun run = Calc("highcap concrete=C30 NG=1234.5 --report " + html +
                             " --project 滨江二期 --engineer 李工");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, ""); // no notes of the toolkit's on a headless run
    const std::string page = ReadFile(html);
    for (const char* expected : {"<svg", "滨江二期", "李工", "1234.5", "高承台桩身最大弯矩计算"})
        EXPECT_NE(page.find(expected), std::string::npos) << expected;
    // The results the report states are the ones printed.
    const std::size_t mmax = run.out.find("Mmax=");
    ASSERT_NE(mmax, std::string::npos);
    const std::string value = run.out.substr(mmax + 5, run.out.find('\n', mmax) - mmax - 5);
    EXPECT_NE(page.find(">" + value + "<"), std::string::npos) << value;

    const std::string pdf = TempPath("report.pdf");
    ASSERT_EQ(Calc("circular concrete=C30 rebar=HPB235 --report " + pdf).status, 0);
    EXPECT_EQ(ReadFile(pdf).substr(0, 5), "%PDF-");
    std::remove(html.c_str());
    std::remove(pdf.c_str());
}

TEST(ReportCommand, RefusesWhatCannotBeReportedBeforeCalculating) {
    const std::string doc = TempPath("report.doc");
    CalcRun run = Calc("polyline --report " + doc);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(".pdf、.html 或 .htm"), std::string::npos) << run.err;

    const std::string html = TempPath("refused.html");
    run = Calc("highcap h=abc --report " + html);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("没有写出计算书"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(html), "");

    EXPECT_EQ(Calc("combined --batch - --report " + html + " </dev/null").status, 2);
}

TEST(ThoroughCommand, PrintsTheThoroughCircleAfterTheFormsMembers) {
    const CalcRun run = Calc("circular concrete=C30 rebar=HPB235 --thorough");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(HasLine(run.out, "ks=1.67")) << run.out;
    const std::size_t members = run.out.find("fyv=210\n");
    const std::size_t thorough = run.out.find("thoroughKs=");
    ASSERT_NE(members, std::string::npos);
    ASSERT_NE(thorough, std::string::npos);
    EXPECT_LT(members, thorough);
    for (const char* line : {"thoroughKs=0.31", "thoroughR=13.77", "thoroughX=-3.38",
                             "thoroughY=13.34"})
        EXPECT_TRUE(HasLine(run.out, line)) << line << "\n" << run.out;
    EXPECT_NE(run.out.find("thoroughNote=存在稳定系数更低的滑动圆"), std::string::npos);

    const CalcRun json = Calc("circular concrete=C30 rebar=HPB235 --thorough --json");
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_NE(json.out.find("\"thorough\": {\"found\": true, \"ks\": {\"value\": 0.31"),
              std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("\"lower\": true, \"percentBelow\": 81.1"), std::string::npos);

    // Without the option nothing changes.
    EXPECT_EQ(Calc("circular concrete=C30 rebar=HPB235").out.find("thorough"), std::string::npos);
}

TEST(ThoroughCommand, OnlyForTheCircularCalculator) {
    const CalcRun run = Calc("polyline --thorough");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--thorough 只用于 circular"), std::string::npos) << run.err;
}
