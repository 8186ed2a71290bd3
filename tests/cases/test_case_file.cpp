// Case files: what is saved comes back as the same texts and the same numbers, and
// whatever is not a case of this program is refused with a message naming the problem.

#include "CaseFile.h"
#include "CaseRecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <bit>
#include <csignal>
#include <cstdint>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace korvane;

namespace {

// Every double and int member of two records, compared by bit pattern.
template <class Record>
void ExpectSameBits(const Calculator<Record>& calc, const Record& a, const Record& b) {
    for (const auto& info : calc.members) {
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(a.*member)>;
                if constexpr (std::is_same_v<T, double>)
                    EXPECT_EQ(std::bit_cast<std::uint64_t>(a.*member),
                              std::bit_cast<std::uint64_t>(b.*member))
                        << calc.name << "." << info.name;
                else
                    EXPECT_EQ(a.*member, b.*member) << calc.name << "." << info.name;
            },
            info.member);
    }
}

// Computes a case, saves it, reads it back into a fresh record and computes again.
template <class Record>
void RoundTrip(const Calculator<Record>& calc, const std::map<std::string, std::string>& inputs) {
    SCOPED_TRACE(calc.name);
    Record first;
    std::vector<int> selections(calc.lists.size(), -1);
    selections[0] = 5; // C30 in both concrete lists
    if (selections.size() > 1)
        selections[1] = 0;
    CaseData typed = CaseFromRecord(calc, first, selections, false);
    for (const auto& [name, text] : inputs)
        typed.inputs[name] = text;
    ASSERT_EQ(ReadCaseTexts(calc, typed, first), "");
    const CalcOutcome outcome = calc.run(first, selections);
    ASSERT_TRUE(outcome.computed()) << outcome.refusal;

    CaseData saved = CaseFromRecord(calc, first, selections, true);
    for (const auto& [name, text] : inputs)
        saved.inputs[name] = text; // the field still shows what was typed
    const CaseReading reading = ReadCaseJson(CaseJson(saved, "Korvane test"));
    ASSERT_TRUE(reading.data) << reading.problem.toStdString();
    const CaseData& opened = *reading.data;
    EXPECT_EQ(opened.calculator, calc.name);
    EXPECT_EQ(opened.inputs, saved.inputs);
    EXPECT_EQ(opened.selections, saved.selections);
    EXPECT_EQ(opened.results, saved.results);
    EXPECT_TRUE(opened.calculated);

    Record second;
    std::vector<int> reopened;
    ASSERT_EQ(CaseSelections(calc, opened, reopened), "");
    EXPECT_EQ(reopened, selections);
    ASSERT_EQ(ReadCaseTexts(calc, opened, second), "");
    const CalcOutcome again = calc.run(second, reopened);
    EXPECT_EQ(again.refusal, outcome.refusal);
    EXPECT_EQ(again.undefined, outcome.undefined);
    ExpectSameBits(calc, first, second);
    EXPECT_EQ(CaseFromRecord(calc, second, reopened, true).results, saved.results);
}

QByteArray CircularCase(const char* inputs, const char* extra = "") {
    return QByteArray("{\"format\": \"korvane-case\", \"version\": 1, \"calculator\": "
                      "\"circular\", \"inputs\": {") +
           inputs + "}" + extra + "}";
}

std::string Problem(const QByteArray& bytes) {
    const CaseReading reading = ReadCaseJson(bytes);
    EXPECT_FALSE(reading.data) << bytes.toStdString();
    return reading.problem.toStdString();
}

} // namespace

TEST(CaseFile, EveryCalculatorReopensWithTheSameTextsAndResults) {
    // Texts a user types that print differently from the value they give.
    RoundTrip(CircularCalculator(), {{"b", "1.40"}, {"h", " 6 "}, {"F", "1d2"}});
    RoundTrip(PolylineCalculator(), {{"h1", "1"}, {"a", "3.0E0"}});
    RoundTrip(CombinedCalculator(), {{"l0", "0"}, {"H", "100.00"}});
    RoundTrip(HighCapCalculator(), {{"nx", "2"}, {"H", "1e2"}});
}

TEST(CaseFile, UncalculatedCaseKeepsNoResultsAndListsMayBeEmpty) {
    CaseData data = CaseFromRecord(CombinedCalculator(), CombinedActionRecord{}, {-1}, false);
    data.results["Mmax"] = "12"; // ignored when not calculated
    const CaseReading reading = ReadCaseJson(CaseJson(data));
    ASSERT_TRUE(reading.data) << reading.problem.toStdString();
    EXPECT_FALSE(reading.data->calculated);
    EXPECT_TRUE(reading.data->results.empty());
    EXPECT_EQ(reading.data->selections.at("concrete"), "");
    EXPECT_EQ(reading.data->inputs, data.inputs);
}

TEST(CaseFile, WhatIsNotACaseIsRefusedWithItsProblem) {
    EXPECT_NE(Problem("").find("不是有效的 JSON"), std::string::npos);
    EXPECT_NE(Problem("PK\x03\x04 zip bytes").find("不是有效的 JSON"), std::string::npos);
    EXPECT_NE(Problem("[1, 2]").find("korvane-case"), std::string::npos);
    EXPECT_NE(Problem("{\"format\": \"other\", \"version\": 1}").find("korvane-case"),
              std::string::npos);
    EXPECT_NE(Problem(QByteArray(kLargestCaseBytes + 1, ' ')).find("过大"), std::string::npos);
}

TEST(CaseFile, VersionCalculatorAndStructureAreChecked) {
    const QByteArray newer =
        R"({"format": "korvane-case", "version": 2, "calculator": "circular"})";
    EXPECT_NE(Problem(newer).find("版本 2 比本程序能读的版本 1 新"), std::string::npos);
    for (const char* version : {"0", "1.5", "\"1\"", "null"}) {
        const QByteArray bytes =
            QByteArray(R"({"format": "korvane-case", "calculator": "circular", "version": )") +
            version + "}";
        EXPECT_NE(Problem(bytes).find("版本无效"), std::string::npos) << version;
    }
    const QByteArray other = R"({"format": "korvane-case", "version": 1, "calculator": "dam"})";
    EXPECT_NE(Problem(other).find("“dam”未知"), std::string::npos);
    EXPECT_NE(Problem(CircularCase("\"b\": 1.4")).find("“b”应是文本"), std::string::npos);
    EXPECT_NE(Problem(CircularCase("", ", \"selections\": [\"C30\"]")).find("selections"),
              std::string::npos);
    EXPECT_NE(Problem(CircularCase("", ", \"calculated\": \"yes\"")).find("calculated"),
              std::string::npos);
}

TEST(CaseFile, NamesAndTextsTheFormRefuses) {
    EXPECT_NE(Problem(CircularCase("\"nx\": \"3\"")).find("没有名为“nx”的输入项"),
              std::string::npos);
    // A result is not an input, and an input is not a result.
    EXPECT_NE(Problem(CircularCase("\"ks\": \"3\"")).find("“ks”的输入项"), std::string::npos);
    EXPECT_NE(Problem(CircularCase("", ", \"calculated\": true, \"results\": {\"b\": \"1\"}"))
                  .find("“b”的计算结果"),
              std::string::npos);
    // The form's own messages, naming the field.
    const std::string notNumber = Problem(CircularCase("\"h\": \"六米\""));
    EXPECT_NE(notNumber.find("坡高h(m)"), std::string::npos) << notNumber;
    EXPECT_NE(notNumber.find("请键入一个数。"), std::string::npos) << notNumber;
    EXPECT_NE(Problem(CircularCase("\"h\": \"1e999\"")).find("请键入一个数。"), std::string::npos);
    const std::string selection =
        Problem(CircularCase("", ", \"selections\": {\"concrete\": \"C99\"}"));
    EXPECT_NE(selection.find("没有“C99”一项"), std::string::npos) << selection;
    EXPECT_NE(Problem(CircularCase("", ", \"selections\": {\"steel\": \"C30\"}")).find("steel"),
              std::string::npos);
}

TEST(CaseFile, LoadingNamesTheFile) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("缺少.korvane");
    EXPECT_NE(LoadCaseFile(missing).problem.indexOf("缺少.korvane"), -1);
    EXPECT_FALSE(LoadCaseFile(dir.path()).data);

    const QString path = dir.filePath("边坡.korvane");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not json");
    file.close();
    const CaseReading reading = LoadCaseFile(path);
    EXPECT_FALSE(reading.data);
    EXPECT_TRUE(reading.problem.startsWith("“边坡.korvane”：")) << reading.problem.toStdString();
}

TEST(CaseFile, AFailedSaveLeavesThePreviousFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("case.korvane");
    const CaseData data = CaseFromRecord(CircularCalculator(), CircularSlipRecord{}, {5, 0}, false);
    QString error;
    ASSERT_TRUE(SaveCaseFile(path, data, "Korvane test", &error)) << error.toStdString();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();

    // A disk that fills up after 64 bytes: the write fails part way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    CaseData changed = data;
    changed.inputs["h"] = "12";
    const bool ok = SaveCaseFile(path, changed, "Korvane test", &error);
    setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_FALSE(ok);
    EXPECT_NE(error.indexOf("无法保存“case.korvane”"), -1) << error.toStdString();
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"case.korvane"});

    EXPECT_FALSE(SaveCaseFile(dir.filePath("no/such/dir.korvane"), data, {}, &error));
}
