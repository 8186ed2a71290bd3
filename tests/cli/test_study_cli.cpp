// Parameter studies from the terminal: a sweep is a column of single runs, a design
// search finds where a result crosses its target.

#include "CalcRun.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using korvane_test::Calc;
using korvane_test::CalcRun;
using korvane_test::HasLine;

namespace {

std::vector<std::string> Split(const std::string& text, char by) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, by);)
        parts.push_back(part);
    return parts;
}

} // namespace

// Every row of a sweep holds the texts the single run of its value shows.
TEST(StudyCommand, ASweepRowIsTheSingleRunOfItsValue) {
    struct Sweep {
        const char* calculator;
        const char* sweep;
    };
    for (const Sweep& s :
         {Sweep{"circular concrete=C30 rebar=HPB235", "sax=0.5:3:4"},
          Sweep{"polyline concrete=C30 rebar=HPB235", "d=400:800:5"},
          Sweep{"combined concrete=C30", "H=0:400:3"}, Sweep{"highcap concrete=C30", "l0=0:5:6"}}) {
        const CalcRun sweep = Calc(std::string(s.calculator) + " --sweep " + s.sweep);
        ASSERT_EQ(sweep.status, 0) << s.calculator << sweep.err;
        const std::vector<std::string> lines = Split(sweep.out, '\n');
        const std::vector<std::string> header = Split(lines.at(0), ',');
        const std::string input = header.front();
        EXPECT_EQ(header.back(), "status");
        const int points = std::stoi(Split(s.sweep, ':').back());
        ASSERT_EQ(static_cast<int>(lines.size()), points + 1) << sweep.out;
        for (int r = 1; r <= points; ++r) {
            const std::vector<std::string> cells = Split(lines[r], ',');
            ASSERT_EQ(cells.size(), header.size()) << lines[r];
            const CalcRun single =
                Calc(std::string(s.calculator) + " " + input + "=" + cells.front());
            for (std::size_t c = 1; c + 1 < header.size(); ++c)
                EXPECT_TRUE(HasLine(single.out, header[c] + "=" + cells[c]))
                    << s.calculator << " " << input << "=" << cells.front() << ": " << header[c];
            EXPECT_EQ(cells.back(), "已计算");
        }
    }
    // The points run from one end to the other, the last one exactly.
    const CalcRun chosen =
        Calc("circular concrete=C30 rebar=HPB235 --sweep sax=0.5:3:11 --results ks,R");
    const std::vector<std::string> lines = Split(chosen.out, '\n');
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "sax,ks,R,status");
    EXPECT_EQ(lines[1].substr(0, 4), "0.5,");
    EXPECT_EQ(lines[2].substr(0, 5), "0.75,");
    EXPECT_EQ(lines[11].substr(0, 2), "3,");
}

// On a monotonic case the value found meets the target and the value a tolerance below
// does not.
TEST(StudyCommand, ASolvedValueLiesOnTheCrossing) {
    const std::string polyline = "polyline concrete=C30 rebar=HPB235";
    const CalcRun solved = Calc(polyline + " --solve d=400:800 --target 'ks>=0.6'");
    ASSERT_EQ(solved.status, 0) << solved.err;
    const std::vector<std::string> lines = Split(solved.out, '\n');
    ASSERT_EQ(lines.size(), 1u) << solved.out;
    ASSERT_EQ(lines[0].rfind("d=", 0), 0u);
    const double v = std::stod(lines[0].substr(2));
    const double tol = 0.4; // a thousandth of the range
    const auto check = [&](double d) {
        std::ostringstream text;
        text.precision(15);
        text << d;
        return Calc(polyline + " d=" + text.str() + " --require ks=0.6").out;
    };
    EXPECT_NE(check(v).find("check.ks=满足"), std::string::npos);
    EXPECT_NE(check(v - tol).find("check.ks=不满足"), std::string::npos);
    EXPECT_NE(solved.err.find("在其以上满足"), std::string::npos) << solved.err;

    // The circle search is not monotonic in the cap's distance from the crest: every
    // crossing is reported, the sides that meet alternating.
    const CalcRun wavy =
        Calc("circular concrete=C30 rebar=HPB235 --solve a=0:1.5 --target 'ks>=1.85'");
    EXPECT_EQ(wavy.status, 0);
    const std::vector<std::string> crossings = Split(wavy.out, '\n');
    ASSERT_GE(crossings.size(), 3u) << wavy.out;
    const std::vector<std::string> sides = Split(wavy.err, '\n');
    ASSERT_EQ(sides.size(), crossings.size());
    for (std::size_t i = 1; i < sides.size(); ++i)
        EXPECT_NE(sides[i].find("以上") == std::string::npos,
                  sides[i - 1].find("以上") == std::string::npos)
            << wavy.err;

    // What the calculation gives besides its fields can be the target too.
    const CalcRun code = Calc(polyline + " --solve d=400:800 --target 'transferKs>=0.6'");
    EXPECT_EQ(code.status, 0) << code.err;
    EXPECT_EQ(code.out.rfind("d=", 0), 0u) << code.out;
    EXPECT_LT(std::stod(code.out.substr(2)), v); // the code's factor lies a little above ks

    // RESULT alone takes the case's limit: [K] on ks here, 1.2 Ra on the largest pile force.
    const CalcRun fromLimit = Calc("circular concrete=C30 rebar=HPB235 --require ks=1.35 "
                                   "--solve say=0.8:4 --target ks");
    EXPECT_EQ(fromLimit.status, 0) << fromLimit.err;
    EXPECT_EQ(fromLimit.out,
              Calc("circular concrete=C30 rebar=HPB235 --solve say=0.8:4 --target 'ks>=1.35'").out);
    const CalcRun piles =
        Calc("highcap concrete=C30 --require Ra=1378 --solve d=0.5:1.5 --target Ntop");
    EXPECT_NE(piles.err.find("Ntop ≤ 1653.6"), std::string::npos) << piles.err;

    // No value of the range meets it.
    const CalcRun never = Calc(polyline + " --solve d=400:800 --target 'ks>=5'");
    EXPECT_EQ(never.status, 4);
    EXPECT_TRUE(never.out.empty());
    EXPECT_NE(never.err.find("范围内没有满足目标的值"), std::string::npos);
}

TEST(StudyCommand, WhatAStudyCannotTakeIsRefused) {
    const struct {
        const char* args;
        const char* says;
    } refusals[] = {
        {"circular --sweep sax=1:2", "NAME=FROM:TO:N"},
        {"circular --sweep sax=1:2:1001", "2 到 1000"},
        {"circular --sweep sax=1:1:3", "两端相同"},
        {"circular --sweep ks=1:2:3", "不是 circular 的数值输入项"},
        {"circular sax=1 --sweep sax=1:2:3", "已由参数分析取值"},
        {"circular --sweep sax=1:2:3 --results ks,nothing", "nothing 不是 circular 的计算结果"},
        {"polyline --solve d=400:800", "--solve 与 --target 须同时给出"},
        {"polyline --solve d=400:800 --target 'Nmin>=1'", "Nmin 不是 polyline 可分析的计算结果"},
        {"polyline --solve d=400:800 --target ks=0.6", "RESULT>=VALUE"},
        {"polyline --solve d=400:800 --target ks", "没有给出它的验算限值"},
        {"polyline --solve d=400:800 --target 'ks>=0.6' --tol 0", "--tol 应是大于 0 的数"},
        {"polyline --sweep d=400:800:3 --json", "不能与"},
    };
    for (const auto& r : refusals) {
        const CalcRun run = Calc(r.args);
        EXPECT_EQ(run.status, 2) << r.args;
        EXPECT_NE(run.err.find(r.says), std::string::npos) << r.args << "\n" << run.err;
    }
}
