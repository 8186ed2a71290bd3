// Case files: what is saved comes back as the same texts and the same numbers, and
// whatever is not a case of this program is refused with a message naming the problem.

#include "CaseEvaluation.h"
#include "CaseFile.h"
#include "CaseMessages.h"
#include "FileSizeLimit.h"
#include "RefusalPrinting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <bit>
#include <cstdint>
#include <gtest/gtest.h>

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
    std::vector<int> selections(calc.lists.size(), -1);
    selections[0] = 5; // C55 in both concrete lists
    if (selections.size() > 1)
        selections[1] = 0;
    CaseData typed = CaseFromRecord(calc, Record(), selections, false);
    for (const auto& [name, text] : inputs)
        typed.inputs[name] = text;
    const CaseEvaluation<Record> first = EvaluateCase(calc, typed);
    ASSERT_TRUE(first.Calculated()) << first.refusal;
    EXPECT_EQ(first.selections, selections);

    CaseData saved = CaseFromRecord(calc, first.computed, selections, true);
    for (const auto& [name, text] : inputs)
        saved.inputs[name] = text; // the field still shows what was typed
    CaseData opened;
    const Problem problem = ReadCaseJson(CaseJson(saved, "Korvane test"), opened);
    ASSERT_FALSE(problem) << problem.Message();
    EXPECT_EQ(opened.calculator, calc.name);
    EXPECT_EQ(opened.inputs, saved.inputs);
    EXPECT_EQ(opened.selections, saved.selections);
    EXPECT_EQ(opened.results, saved.results);
    EXPECT_TRUE(opened.calculated);

    const CaseEvaluation<Record> second = EvaluateCase(calc, opened);
    ASSERT_TRUE(second.Calculated()) << second.refusal;
    EXPECT_EQ(second.selections, selections);
    EXPECT_EQ(second.outcome.undefined, first.outcome.undefined);
    ExpectSameBits(calc, first.computed, second.computed);
    EXPECT_EQ(CaseFromRecord(calc, second.computed, second.selections, true).results,
              saved.results);
}

QByteArray CircularCase(const char* inputs, const char* extra = "") {
    return QByteArray("{\"format\": \"korvane-case\", \"version\": 1, \"calculator\": "
                      "\"circular\", \"inputs\": {") +
           inputs + "}" + extra + "}";
}

std::string ProblemOf(const QByteArray& bytes) {
    CaseData data;
    const Problem problem = ReadCaseJson(bytes, data);
    EXPECT_TRUE(problem) << bytes.toStdString();
    return problem.Message();
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
    CaseData read;
    const Problem problem = ReadCaseJson(CaseJson(data), read);
    ASSERT_FALSE(problem) << problem.Message();
    EXPECT_FALSE(read.calculated);
    EXPECT_TRUE(read.results.empty());
    EXPECT_EQ(read.selections.at("concrete"), "");
    EXPECT_EQ(read.inputs, data.inputs);
}

TEST(CaseFile, WhatIsNotACaseIsRefusedWithItsProblem) {
    EXPECT_NE(ProblemOf("").find("不是有效的 JSON"), std::string::npos);
    EXPECT_NE(ProblemOf("PK\x03\x04 zip bytes").find("不是有效的 JSON"), std::string::npos);
    EXPECT_NE(ProblemOf("[1, 2]").find("korvane-case"), std::string::npos);
    EXPECT_NE(ProblemOf("{\"format\": \"other\", \"version\": 1}").find("korvane-case"),
              std::string::npos);
    EXPECT_NE(ProblemOf(QByteArray(kLargestCaseBytes + 1, ' ')).find("过大"), std::string::npos);
}

TEST(CaseFile, VersionCalculatorAndStructureAreChecked) {
    const QByteArray newer =
        R"({"format": "korvane-case", "version": 4, "calculator": "circular"})";
    EXPECT_NE(ProblemOf(newer).find("版本 4 比本程序能读的版本 3 新"), std::string::npos);
    for (const char* version : {"0", "1.5", "\"1\"", "null"}) {
        const QByteArray bytes =
            QByteArray(R"({"format": "korvane-case", "calculator": "circular", "version": )") +
            version + "}";
        EXPECT_NE(ProblemOf(bytes).find("版本无效"), std::string::npos) << version;
    }
    const QByteArray other = R"({"format": "korvane-case", "version": 1, "calculator": "dam"})";
    EXPECT_NE(ProblemOf(other).find("“dam”未知"), std::string::npos);
    EXPECT_NE(ProblemOf(CircularCase("\"b\": 1.4")).find("“b”应是文本"), std::string::npos);
    EXPECT_NE(ProblemOf(CircularCase("", ", \"selections\": [\"C30\"]")).find("selections"),
              std::string::npos);
    EXPECT_NE(ProblemOf(CircularCase("", ", \"calculated\": \"yes\"")).find("calculated"),
              std::string::npos);
}

TEST(CaseFile, NamesAndTextsTheFormRefuses) {
    EXPECT_NE(ProblemOf(CircularCase("\"nx\": \"3\"")).find("没有名为“nx”的输入项"),
              std::string::npos);
    // A result is not an input, and an input is not a result.
    EXPECT_NE(ProblemOf(CircularCase("\"ks\": \"3\"")).find("“ks”的输入项"), std::string::npos);
    EXPECT_NE(ProblemOf(CircularCase("", ", \"calculated\": true, \"results\": {\"b\": \"1\"}"))
                  .find("“b”的计算结果"),
              std::string::npos);
    // The form's own messages, naming the field.
    const std::string notNumber = ProblemOf(CircularCase("\"h\": \"六米\""));
    EXPECT_NE(notNumber.find("坡高h(m)"), std::string::npos) << notNumber;
    EXPECT_NE(notNumber.find("请键入一个数。"), std::string::npos) << notNumber;
    EXPECT_NE(ProblemOf(CircularCase("\"h\": \"1e999\"")).find("请键入一个数。"),
              std::string::npos);
    const std::string selection =
        ProblemOf(CircularCase("", ", \"selections\": {\"concrete\": \"C99\"}"));
    EXPECT_NE(selection.find("没有“C99”一项"), std::string::npos) << selection;
    EXPECT_NE(ProblemOf(CircularCase("", ", \"selections\": {\"steel\": \"C30\"}")).find("steel"),
              std::string::npos);
}

// By its whole path: cases of the same name lie in many folders.
TEST(CaseFile, LoadingNamesTheFileWithItsFolder) {
    QTemporaryDir dir;
    const auto whole = [&dir](const QString& name) {
        return "“" +
               QDir::toNativeSeparators(QDir(dir.path()).absoluteFilePath(name)).toStdString() +
               "”";
    };
    CaseData data;
    const std::string missing = LoadCaseFile(dir.filePath("缺少.korvane"), data).Message();
    EXPECT_NE(missing.find(whole("缺少.korvane") + "：文件不存在"), std::string::npos) << missing;

    const QString path = dir.filePath("边坡.korvane");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not json");
    file.close();
    const Problem problem = LoadCaseFile(path, data);
    EXPECT_TRUE(problem.Message().starts_with(whole("边坡.korvane") + "：")) << problem.Message();

    // An empty file and a folder are named for what they are, not as bad JSON or an
    // unknown error.
    QFile empty(dir.filePath("空.korvane"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_EQ(LoadCaseFile(empty.fileName(), data).Message(), whole("空.korvane") + "：文件为空");
    ASSERT_TRUE(QDir(dir.path()).mkdir("夹.korvane"));
    EXPECT_EQ(LoadCaseFile(dir.filePath("夹.korvane"), data).Message(),
              "无法打开" + whole("夹.korvane") + "：这是一个文件夹");
    // A relative path is named as the whole path it stands for.
    const QString relative = QDir::current().relativeFilePath(dir.filePath("空.korvane"));
    EXPECT_NE(LoadCaseFile(relative, data).Message().find(whole("空.korvane")), std::string::npos);
}

TEST(CaseFile, AFailedSaveLeavesThePreviousFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("case.korvane");
    const CaseData data = CaseFromRecord(CircularCalculator(), CircularSlipRecord{}, {5, 0}, false);
    const Problem saving = SaveCaseFile(path, data, "Korvane test");
    ASSERT_FALSE(saving) << saving.Message();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();

    // A disk that fills up after 64 bytes: the write fails part way.
    FileSizeLimit limit(64);
    ASSERT_TRUE(limit.Active());
    CaseData changed = data;
    changed.inputs["h"] = "12";
    const Problem failed = SaveCaseFile(path, changed, "Korvane test");
    limit.Lift();

    EXPECT_NE(failed.Message().find("无法保存“case.korvane”"), std::string::npos)
        << failed.Message();
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"case.korvane"});

    EXPECT_TRUE(SaveCaseFile(dir.filePath("no/such/dir.korvane"), data, {}));
}

// A radio position the group lacks is refused like a text the form refuses, whichever
// face reads the case, with the same words.
TEST(CaseFile, ARadioPositionOutsideItsGroupIsRefused) {
    const QByteArray highCap = R"({"format": "korvane-case", "version": 1, "calculator": "highcap",
        "selections": {"concrete": "C30"}, "inputs": {"bearingLayer": "7"}})";
    const std::string refused = ProblemOf(highCap);
    EXPECT_EQ(refused, "桩端持力层：0 基岩，1 非基岩（bearingLayer）的单选位置 7 不在组内："
                       "“请填入一个在0和1之间的整数。”");

    CaseData data = CaseFromRecord(HighCapCalculator(), HighCapRecord(), {0}, false);
    data.inputs["bearingLayer"] = "7";
    const CaseEvaluation<HighCapRecord> e = EvaluateCase(HighCapCalculator(), data);
    EXPECT_EQ(e.refusal, (Refusal{.reason = RefusalReason::OutsideRadioGroup,
                                  .member = "bearingLayer",
                                  .count = 7,
                                  .limit = 2}));
    EXPECT_FALSE(e.inputsRead);
    EXPECT_FALSE(e.ran);
    EXPECT_EQ(RefusalText(HighCapCalculator(), *e.refusal), refused);

    // Every position of each group is taken, and none past it.
    data.inputs["bearingLayer"] = "1";
    EXPECT_TRUE(EvaluateCase(HighCapCalculator(), data).Calculated());
    CaseData combined = CaseFromRecord(CombinedCalculator(), CombinedActionRecord(), {0}, false);
    combined.inputs["bearingLayer"] = "2";
    EXPECT_TRUE(EvaluateCase(CombinedCalculator(), combined).Calculated());
    for (const char* outside : {"3", "-1"}) {
        combined.inputs["bearingLayer"] = outside;
        EXPECT_EQ(EvaluateCase(CombinedCalculator(), combined).refusal->reason,
                  RefusalReason::OutsideRadioGroup)
            << outside;
    }
    combined.inputs["bearingLayer"] = "0";
    combined.inputs["pileType"] = "2";
    EXPECT_EQ(EvaluateCase(CombinedCalculator(), combined).refusal->member, "pileType");

    // A form's own last closed inputs are read without the text check, as before.
    CaseData unchecked;
    EXPECT_FALSE(ReadCaseJson(highCap, unchecked, false));
}

TEST(CaseFile, LimitsReopenAsTheSameNumbersWithTheirBasis) {
    CaseData data = CaseFromRecord(HighCapCalculator(), HighCapRecord{}, {0}, false);
    data.limits["Ra"] = {1234.5678901234567, "JGJ 94-2008 第5.2.1条"};
    data.limits["x0"] = {6, ""};
    CaseData read;
    const Problem problem = ReadCaseJson(CaseJson(data), read);
    ASSERT_FALSE(problem) << problem.Message();
    ASSERT_EQ(read.limits.size(), 2u);
    EXPECT_EQ(read.limits.at("Ra").value, 1234.5678901234567);
    EXPECT_EQ(read.limits.at("Ra").basis, "JGJ 94-2008 第5.2.1条");
    EXPECT_EQ(read.limits.at("x0").value, 6);
    EXPECT_NE(CaseJson(data).indexOf("\"version\": 2"), -1);

    // A limit of another calculator, or one that is no positive number, is refused.
    const QByteArray other = R"({"format": "korvane-case", "version": 2, "calculator": "highcap",
        "limits": {"ks": {"value": "1.35"}}})";
    EXPECT_NE(ProblemOf(other).find("“ks”不是本计算的验算项"), std::string::npos);
    const QByteArray negative = R"({"format": "korvane-case", "version": 2, "calculator": "highcap",
        "limits": {"Ra": {"value": "-1"}}})";
    EXPECT_NE(ProblemOf(negative).find("须为大于 0 的数"), std::string::npos);
}

TEST(CaseFile, AStudyReopensAsItWasSetAndRaisesTheVersionOnlyWhenThere) {
    CaseData data = CaseFromRecord(CircularCalculator(), CircularSlipRecord{}, {0, 0}, false);
    EXPECT_NE(CaseJson(data).indexOf("\"version\": 1"), -1);
    data.study =
        StudySettings{{"say", 0.1 + 0.7, 4, 33}, "ks", StudyTarget{"ks", true, 1.35}, true};
    EXPECT_NE(CaseJson(data).indexOf("\"version\": 3"), -1);
    CaseData read;
    const Problem problem = ReadCaseJson(CaseJson(data), read);
    ASSERT_FALSE(problem) << problem.Message();
    ASSERT_TRUE(read.study);
    EXPECT_EQ(*read.study, *data.study); // 0.1 + 0.7 too, to the last bit

    data.study->target.reset();
    data.study->inReport = false;
    ASSERT_FALSE(ReadCaseJson(CaseJson(data), read));
    EXPECT_EQ(*read.study, *data.study);
}

TEST(CaseFile, AStudyTheCalculatorCannotComputeIsRefused) {
    const auto withStudy = [](const char* study) {
        return CircularCase("", (QByteArray(", \"study\": ") + study).constData());
    };
    EXPECT_NE(ProblemOf(withStudy(R"({"input": "sax", "from": "0.5", "to": "3", "points": 11,
        "result": "Ntop"})"))
                  .find("“study”：“Ntop”不是本计算可分析的结果"),
              std::string::npos);
    EXPECT_NE(ProblemOf(withStudy(R"({"input": "sax", "from": "0.5", "to": "3", "points": 5000,
        "result": "ks"})"))
                  .find("点数"),
              std::string::npos);
    for (const char* bad :
         {R"("sax")", R"({"input": "sax", "from": 0.5, "to": "3", "points": 11, "result": "ks"})",
          R"({"input": "sax", "from": "a", "to": "3", "points": 11, "result": "ks"})",
          R"({"input": "sax", "from": "0.5", "to": "3", "points": 1.5, "result": "ks"})",
          R"({"input": "sax", "from": "0.5", "to": "3", "points": 11, "result": "ks",
              "inReport": "yes"})"})
        EXPECT_NE(ProblemOf(withStudy(bad)).find("“study”应含"), std::string::npos) << bad;
    EXPECT_NE(ProblemOf(withStudy(R"({"input": "sax", "from": "0.5", "to": "3", "points": 11,
        "result": "ks", "target": {"relation": ">", "value": "1"}})"))
                  .find("“target”"),
              std::string::npos);
}
