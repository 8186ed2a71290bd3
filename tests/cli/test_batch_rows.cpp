// The batch's CSV reading and writing, and the rows computed over threads.

#include "BatchCsv.h"
#include "BatchRows.h"

#include <gtest/gtest.h>

using namespace korvane;

namespace {

CsvTable Parsed(std::string_view bytes) {
    CsvTable table;
    EXPECT_EQ(ParseCsv(bytes, table).Message(), "") << bytes;
    return table;
}

} // namespace

TEST(BatchCsv, ReadsQuotesDoubledQuotesAndLineEndsInCells) {
    const CsvTable t = Parsed("a,\"b,c\",\"say \"\"hi\"\"\"\n\"two\r\nlines\",,\"\"\n");
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0], (CsvRow{"a", "b,c", "say \"hi\""}));
    EXPECT_EQ(t.rows[1], (CsvRow{"two\r\nlines", "", ""}));
    EXPECT_EQ(t.lines, (std::vector<int>{1, 2}));
}

TEST(BatchCsv, LineEndsByteOrderMarkAndEmptyLines) {
    const CsvTable crlf = Parsed("\xEF\xBB\xBFh,b\r\n1,2\r\n\r\n3,4");
    EXPECT_TRUE(crlf.style.byteOrderMark);
    EXPECT_TRUE(crlf.style.crlf);
    EXPECT_EQ(crlf.rows, (std::vector<CsvRow>{{"h", "b"}, {"1", "2"}, {"3", "4"}}));
    EXPECT_EQ(crlf.lines, (std::vector<int>{1, 2, 4}));

    const CsvTable lf = Parsed("h,b\n1,2\n");
    EXPECT_FALSE(lf.style.byteOrderMark);
    EXPECT_FALSE(lf.style.crlf);
    EXPECT_EQ(lf.rows.size(), 2u);
    EXPECT_TRUE(Parsed("").rows.empty());
    EXPECT_TRUE(Parsed("\xEF\xBB\xBF").rows.empty());
    // A trailing comma is one more, empty cell.
    EXPECT_EQ(Parsed("1,\n").rows[0], (CsvRow{"1", ""}));
}

TEST(BatchCsv, TextThatIsNoCsvIsRefusedWithItsLine) {
    CsvTable t;
    EXPECT_EQ(ParseCsv("h\n\"1\n2", t).Message(), "CSV 第 2 行：引号没有结束");
    EXPECT_EQ(ParseCsv("h\n1\n\"1\"x", t).Message(), "CSV 第 3 行：右引号后面只能是逗号或行尾");
    EXPECT_NE(ParseCsv("h\n1\"\n", t).Message().find("CSV 第 2 行：没有用引号括起的格子里有引号"),
              std::string::npos);
    EXPECT_EQ(t.rows.size(), 1u); // the rows before it
}

TEST(BatchCsv, WrittenRowsReadBackAsTheyWere) {
    const std::vector<CsvRow> rows = {
        {"plain", "with,comma", "with \"quote\"", "two\nlines", " blank ends "},
        {""},
        {"", ""},
        {"cr\ronly", "\xE5\x9D\xA1"},
    };
    // A byte order mark at the start of the first cell is kept as text.
    const std::vector<CsvRow> marked = {{"\xEF\xBB\xBFh", "b"}};
    for (const bool crlf : {false, true}) {
        std::string out;
        for (const CsvRow& row : rows)
            AppendCsvRow(out, row, {false, crlf});
        EXPECT_EQ(Parsed(out).rows, rows) << out;
        std::string markedOut;
        AppendCsvRow(markedOut, marked.front(), {false, crlf});
        EXPECT_EQ(Parsed(markedOut).rows, marked) << markedOut;
    }
    std::string out;
    AppendCsvRow(out, {"a", "b c", "d,e"}, {});
    EXPECT_EQ(out, "a,b c,\"d,e\"\n");
}

TEST(BatchCsv, StopsAtTheRowLimit) {
    CsvTable t;
    EXPECT_EQ(ParseCsv("1\n2\n3\n\"unclosed", t, 2).Message(), "");
    EXPECT_EQ(t.rows.size(), 2u);
}

TEST(BatchRows, HeaderNamesInputsAndListsOnly) {
    const auto calc = CombinedCalculator();
    BatchPlan plan;
    EXPECT_EQ(PlanBatch(calc, {" nx ", "concrete", "phi"}, plan).Message(), "");
    EXPECT_EQ(plan.columns, (std::vector<std::string>{"nx", "concrete", "phi"}));
    EXPECT_EQ(plan.isList, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(plan.results.front(), "Ntop");
    EXPECT_EQ(BatchOutputHeader({" nx ", "concrete", "phi"}, plan).back(), "status");
    EXPECT_NE(PlanBatch(calc, {"nx", "rebar"}, plan)
                  .Message()
                  .find("“rebar”不是 combined 的输入项或下拉列表"),
              std::string::npos);
    EXPECT_NE(PlanBatch(calc, {"maxMoment"}, plan).Message().find("不是输入项"), std::string::npos);
}

TEST(BatchRows, ARowIsReadLikeACase) {
    const auto calc = HighCapCalculator();
    BatchPlan plan;
    ASSERT_EQ(PlanBatch(calc, {"concrete", "phi", "xiN"}, plan).Message(), "");
    CsvRow out;
    EXPECT_EQ(ComputeBatchRow(calc, plan, {"C30", "", ""}, out), BatchRowStatus::Computed);
    EXPECT_EQ(out[3], "32.87"); // Mmax, as with the form's defaults
    EXPECT_EQ(out.back(), "已计算");
    EXPECT_EQ(out.size(), 3 + plan.results.size() + 1);
    EXPECT_EQ(ComputeBatchRow(calc, plan, {"C30", "46", ""}, out), BatchRowStatus::Refused);
    EXPECT_EQ(out.back(), "拒绝：桩侧土厚度加权内摩擦角(°)"
                          "（phi）的文本“46”不能接受：“请填入一个在0和45之间的整数。”");
    EXPECT_EQ(out[3], "");
    // The calculation's own refusal: no grade.
    EXPECT_EQ(ComputeBatchRow(calc, plan, {"", "", ""}, out), BatchRowStatus::Refused);
    EXPECT_EQ(ComputeBatchRow(calc, plan, {"C30", "1", "1", "extra"}, out),
              BatchRowStatus::Refused);
    EXPECT_EQ(out.size(), 3 + plan.results.size() + 1);
    EXPECT_EQ(out[2], "1");
}

TEST(BatchRows, ARadioPositionOutsideItsGroupRefusesTheRow) {
    const auto& calc = HighCapCalculator();
    BatchPlan plan;
    ASSERT_FALSE(PlanBatch(calc, {"concrete", "bearingLayer"}, plan));
    CsvRow out;
    EXPECT_EQ(ComputeBatchRow(calc, plan, {"C30", "7"}, out), BatchRowStatus::Refused);
    EXPECT_EQ(out.back(),
              "拒绝：桩端持力层：0 基岩，1 非基岩（bearingLayer）的单选位置 7 不在组内："
              "“请填入一个在0和1之间的整数。”");
    EXPECT_EQ(ComputeBatchRow(calc, plan, {"C30", "1"}, out), BatchRowStatus::Computed);
}

TEST(BatchRows, ThreadsChangeNothingButTheTime) {
    const auto calc = CombinedCalculator();
    BatchPlan plan;
    ASSERT_EQ(PlanBatch(calc, {"nx", "H", "concrete"}, plan).Message(), "");
    std::vector<CsvRow> rows;
    for (int i = 0; i < 700; ++i)
        rows.push_back({std::to_string(i % 11), std::to_string(i * 3.7), i % 6 ? "C35" : ""});
    std::size_t lastProgress = 0;
    const BatchAnswer one = ComputeBatchRows(calc, plan, rows, {}, 1);
    const BatchAnswer three =
        ComputeBatchRows(calc, plan, rows, {}, 3, [&](std::size_t done) { lastProgress = done; });
    EXPECT_EQ(one.lines, three.lines);
    EXPECT_EQ(one.statuses, three.statuses);
    EXPECT_EQ(lastProgress, rows.size());
    EXPECT_TRUE(ComputeBatchRows(calc, plan, {}, {}, 2).lines.empty());
}
