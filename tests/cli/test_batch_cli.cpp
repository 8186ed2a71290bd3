// korvane-calc --batch end to end: a CSV of cases in, a CSV of answers out.

#include "CalcRun.h"

#include <gtest/gtest.h>
#include <string>

using korvane_test::Calc;
using korvane_test::CalcRun;
using korvane_test::HasLine;
using korvane_test::ReadFile;
using korvane_test::TempPath;
using korvane_test::WriteFile;

namespace {

std::string WriteCsv(const std::string& name, const std::string& bytes) {
    const std::string path = TempPath(name);
    WriteFile(path, bytes);
    return path;
}

// Varied inputs of each calculator, some refused and some undefined along the way.
std::string VariedRows(const std::string& calculator, int count) {
    std::string csv;
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        const std::string grade = i % 5 == 4 ? "" : "C" + std::to_string(30 + 5 * (i % 5));
        if (calculator == "circular") {
            if (i == 0)
                csv = "h,beta,c,concrete,rebar\n";
            csv += std::to_string(4 + i % 5) + "," + std::to_string(40 + i % 17) + "," +
                   std::to_string(10 + i % 13) + "." + n + "," + grade + ",HRB335\n";
        } else if (calculator == "polyline") {
            if (i == 0)
                csv = "h,h1,Bb,concrete,rebar\n";
            csv += std::to_string(3 + i % 9) + ",0." + n + "," + std::to_string(i % 7) + "," +
                   grade + ",HPB235\n";
        } else {
            if (i == 0)
                csv = "nx,nz,H,M,NG,phi,concrete\n";
            csv += std::to_string(1 + i % 9) + "," + std::to_string(1 + i % 7) + "," +
                   std::to_string(50 + 7 * i) + "." + n + "," + std::to_string(i % 40) + ",1" + n +
                   "00," + std::to_string(i % 50) + "," + grade + "\n";
        }
    }
    return csv;
}

// The value of NAME in korvane-calc's NAME=VALUE lines.
std::string Value(const std::string& out, const std::string& name) {
    const std::size_t at = ("\n" + out).find("\n" + name + "=");
    if (at == std::string::npos)
        return "?";
    const std::size_t begin = at + name.size() + 1;
    return out.substr(begin, out.find('\n', begin) - begin);
}

} // namespace

TEST(BatchCommand, EachRowIsAnsweredInOrderAndTheBatchGoesOnPastRefusals) {
    const std::string in = WriteCsv("rows.csv", "h,concrete,rebar\n"
                                                "6,C30,HPB235\n"
                                                "6m,C30,HPB235\n"
                                                ",C30,HPB235\n"
                                                "7,C99,HPB235\n"
                                                "5\n"
                                                "8,C30,\n");
    const std::string out = TempPath("rows.out.csv");
    const CalcRun run = Calc("circular --batch " + in + " --out " + out);
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(
        run.err.find(
            "批量计算 6 行：已计算 3 行，无定义 0 行，拒绝 3 行（第一个被拒绝的是文件第 3 行）"),
        std::string::npos)
        << run.err;
    const std::string answer = ReadFile(out);
    // A row gives what the same case gives on the command line; an empty cell keeps
    // the form's default (h = 6).
    const std::string single = Calc("circular h=8 concrete=C30").out;
    std::string results;
    for (const char* name : {"x", "y", "ks", "R"})
        results += Value(single, name) + ",";
    EXPECT_EQ(answer, "h,concrete,rebar,x,y,ks,R,status\n"
                      "6,C30,HPB235,3.7,6.43,1.67,7.42,已计算\n"
                      "6m,C30,HPB235,,,,,拒绝：坡高h(m)（h）的文本“6m”不能接受：请键入一个数。\n"
                      ",C30,HPB235,3.7,6.43,1.67,7.42,已计算\n"
                      "7,C99,HPB235,,,,,"
                      "拒绝：桩身混凝土：没有“C99”一项（可选：C25、C30、C35、C40、C45、C50、C55）\n"
                      "5,,,,,,,拒绝：这一行有 1 格，标题行有 3 格\n"
                      "8,C30,," +
                          results + "已计算（提示：未选钢筋型号，fyv 按 0 计算）\n");
    EXPECT_NE(answer.find("\n6m,"), std::string::npos);
    std::remove(in.c_str());
    std::remove(out.c_str());
}

TEST(BatchCommand, UndefinedRowsLeaveTheirResultsEmpty) {
    const std::string in =
        WriteCsv("undefined.csv", "Bb,concrete,rebar\n0,C30,HPB235\n1,C30,HPB235\n");
    const CalcRun run = Calc("polyline --batch " + in + " --out -");
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(run.out,
              "Bb,concrete,rebar,ks,status\n"
              "0,C30,HPB235,,无定义：ks（提示：承台长度Bb(m)为 0，应大于 0，结果可能没有意义）\n"
              "1,C30,HPB235,0.24,已计算\n");
    EXPECT_TRUE(HasLine(Calc("polyline Bb=1 concrete=C30 rebar=HPB235").out, "ks=0.24"));
    std::remove(in.c_str());
}

TEST(BatchCommand, QuotedCellsByteOrderMarkAndCrlfComeBackAsGiven) {
    // A spreadsheet's export: BOM, CRLF, quoted cells, no line end after the last row.
    const std::string in = WriteCsv("quoted.csv", "\xEF\xBB\xBF\"h\",concrete,\"rebar\"\r\n"
                                                  "\"6\",\"C30\",HPB235\r\n"
                                                  "\"6,5\",C30,\"HP\"\"B\"\r\n"
                                                  "\"6\n7\",C30,HPB235");
    const CalcRun run = Calc("circular --batch " + in + " --out -");
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(run.out.rfind("\xEF\xBB\xBFh,concrete,rebar,x,y,ks,R,status\r\n6,C30,HPB235,3.7,", 0),
              0u)
        << run.out;
    EXPECT_NE(run.out.find("\r\n\"6,5\",C30,\"HP\"\"B\",,,,,\"拒绝：钢筋型号：没有“HP\"\"B”一项"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\r\n\"6\n7\",C30,HPB235,,,,,\"拒绝：坡高h(m)（h）的文本“6\n7”"),
              std::string::npos)
        << run.out;
    EXPECT_TRUE(run.out.ends_with("请键入一个数。\"\r\n")) << run.out;
    std::remove(in.c_str());
}

TEST(BatchCommand, HeadersTheCalculatorCannotTakeAreRefusedUpFront) {
    struct Case {
        const char* csv;
        const char* message;
    };
    const Case cases[] = {
        {"h,hh\n6,6\n", "第 2 列“hh”不是 circular 的输入项或下拉列表"},
        {"h,ks\n6,1\n", "第 2 列“ks”是计算结果"},
        {"ft\n1\n", "第 1 列“ft”不是输入项"},
        {"h,status\n", "第 2 列“status”不是 circular 的输入项"},
        {"h, h\n", "第 2 列“h”出现了两次"},
        {"h,,b\n", "第 2 列“”没有名称"},
        {"", "文件是空的"},
        {"\n\r\n", "文件是空的"},
        {"h\n\"6\n", "CSV 第 2 行：引号没有结束"},
    };
    const std::string out = TempPath("refused.out.csv");
    for (const Case& c : cases) {
        const std::string in = WriteCsv("header.csv", c.csv);
        const CalcRun run = Calc("circular --batch " + in + " --out " + out);
        EXPECT_EQ(run.status, 2) << c.csv;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.csv << ": " << run.err;
        EXPECT_TRUE(ReadFile(out).empty()) << "nothing is written for a refused batch";
        std::remove(in.c_str());
    }
    EXPECT_EQ(Calc("circular --batch /nonexistent/in.csv --out -").status, 2);
    EXPECT_EQ(Calc("circular --batch " + TempPath("x.csv")).status, 2); // no --out
}

TEST(BatchCommand, WritingReplacesTheAnswerWhole) {
    const std::string in = WriteCsv("whole.csv", "nx,concrete\n1,C30\n");
    const std::string out = TempPath("whole.out.csv");
    WriteFile(out, "an earlier answer, longer than the new one ...........................\n");
    EXPECT_EQ(Calc("combined --batch " + in + " --out " + out).status, 0);
    const std::string answer = ReadFile(out);
    EXPECT_EQ(answer.rfind("nx,concrete,", 0), 0u) << answer;
    EXPECT_TRUE(answer.ends_with(",已计算\n")) << answer;
    EXPECT_TRUE(ReadFile(out + ".tmp").empty()); // renamed, not left behind
    // A place that cannot be written: refused, and said why.
    const CalcRun run = Calc("combined --batch " + in + " --out /nonexistent/dir/out.csv");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("不能创建"), std::string::npos) << run.err;
    std::remove(in.c_str());
    std::remove(out.c_str());
}

TEST(BatchCommand, ReadsStandardInput) {
    const std::string in = WriteCsv("stdin.csv", "nx,nz,concrete\n1,1,C30\n");
    const CalcRun run = Calc("highcap --batch - --out - < " + in);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("nx,nz,concrete,Mmax,xPile,yMmax,Qmax,yQmax,Ntop,x0,capU,capBeta,"
                            "status\n1,1,C30,",
                            0),
              0u)
        << run.out;
    EXPECT_NE(run.err.find("批量计算 1 行：已计算 1 行，无定义 0 行，拒绝 0 行"),
              std::string::npos);
    std::remove(in.c_str());
}

// Rows are spread over threads; the answer must not depend on how many.
TEST(BatchCommand, AnyNumberOfThreadsGivesTheSameBytes) {
    for (const char* calculator : {"circular", "polyline", "combined", "highcap"}) {
        const int rows = std::string(calculator) == "circular" ? 120 : 1500;
        const std::string in = WriteCsv("threads.csv", VariedRows(calculator, rows));
        const CalcRun one =
            Calc(std::string(calculator) + " --threads 1 --batch " + in + " --out -");
        const CalcRun four =
            Calc(std::string(calculator) + " --threads 4 --batch " + in + " --out -");
        const CalcRun all = Calc(std::string(calculator) + " --batch " + in + " --out -");
        EXPECT_EQ(one.status, four.status) << calculator;
        EXPECT_EQ(std::count(one.out.begin(), one.out.end(), '\n'), rows + 1) << calculator;
        EXPECT_NE(one.out.find(",已计算\n"), std::string::npos) << calculator;
        EXPECT_TRUE(one.out == four.out) << calculator;
        EXPECT_TRUE(one.out == all.out) << calculator;
        // No terminal: no progress line.
        EXPECT_EQ(one.err.find('\r'), std::string::npos) << one.err;
        std::remove(in.c_str());
    }
}

TEST(BatchCommand, RadioPositionsOutsideTheirGroupRefuseTheRow) {
    const std::string in = WriteCsv("radio.csv", "bearingLayer,concrete\n2,C30\n3,C30\n");
    const CalcRun run = Calc("combined --batch " + in + " --out -");
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_NE(run.out.find("\n2,C30,"), std::string::npos) << run.out;
    EXPECT_TRUE(run.out.ends_with("的单选位置 3 不在组内：“请填入一个在0和2之间的整数。”\n"))
        << run.out;
    std::remove(in.c_str());
}

// On a terminal the batch keeps one line up to date; util-linux's script(1) gives the
// command a terminal and copies what it shows.
TEST(BatchCommand, ProgressLineOnATerminal) {
    if (std::system("command -v script >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "script(1) is not installed";
    const std::string in = WriteCsv("tty.csv", VariedRows("combined", 300));
    const std::string out = TempPath("tty.out.csv");
    const CalcRun run =
        korvane_test::Shell("script -qec \"" + std::string(KORVANE_CALC) + " combined --batch " +
                            in + " --out " + out + "\" /dev/null");
    EXPECT_NE(run.out.find("\r已计算 300 / 300 行"), std::string::npos) << run.out;
    std::remove(in.c_str());
    std::remove(out.c_str());
}

TEST(BatchCommand, EachLimitGetsAColumnOfVerdicts) {
    const std::string in = WriteCsv("checks.csv", "concrete,l0\nC30,2\nC30,5\n,2\n");
    const std::string out = TempPath("checks-out.csv");
    const CalcRun run =
        Calc("highcap --batch " + in + " --out " + out + " --require Ra=1500 --require M=100");
    EXPECT_EQ(run.status, 2) << run.err; // the row without a grade is refused
    const std::string answer = ReadFile(out);
    EXPECT_NE(answer.find(",check.Ra,check.Ra.max,check.M,status\n"), std::string::npos) << answer;
    // The head moment governs: 86.89 meets 100 at l0 = 2, 139.19 does not at l0 = 5.
    EXPECT_NE(answer.find(",满足 (86.89 ≤ 100),已计算\n"), std::string::npos) << answer;
    EXPECT_NE(answer.find(",不满足 (139.19 > 100),已计算\n"), std::string::npos) << answer;
    std::remove(in.c_str());
    std::remove(out.c_str());
}

// A long batch is read, computed and written a chunk at a time; the answer is the one
// the rows give in any other grouping, and the summary still names the first refused
// row by its line.
TEST(BatchCommand, ALongBatchIsAnsweredChunkByChunkInOrder) {
    const std::string header = "nx,nz,H,concrete\n";
    std::string first, second;
    for (int i = 0; i < 10000; ++i) {
        // Every row computes but one far down, past the first chunks.
        const std::string row = i == 9000
                                    ? "x,1,1,C30\n"
                                    : std::to_string(1 + i % 9) + "," + std::to_string(1 + i % 7) +
                                          "," + std::to_string(50 + i) + ",C30\n";
        (i < 5000 ? first : second) += row;
    }
    const std::string whole = WriteCsv("long.csv", header + first + second);
    const std::string part1 = WriteCsv("long1.csv", header + first);
    const std::string part2 = WriteCsv("long2.csv", header + second);
    const CalcRun run = Calc("highcap --batch " + whole + " --out -");
    const CalcRun one = Calc("highcap --batch " + part1 + " --out -");
    const CalcRun two = Calc("highcap --batch " + part2 + " --out -");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(one.status, 0) << one.err;
    const std::string answerHeader = one.out.substr(0, one.out.find('\n') + 1);
    EXPECT_TRUE(run.out == one.out + two.out.substr(answerHeader.size()));
    EXPECT_NE(
        run.err.find("批量计算 10000 行：已计算 9999 行，无定义 0 行，拒绝 1 行（第一个被拒绝的"
                     "是文件第 9002 行）"),
        std::string::npos)
        << run.err;
    for (const std::string& path : {whole, part1, part2})
        std::remove(path.c_str());
}
