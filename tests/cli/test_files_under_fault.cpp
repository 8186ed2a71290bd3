// korvane-calc where files are not what they seem: special files in place of the files
// it reads and writes, links planted beside them, endless inputs and an output that
// cannot be written.

#include "CalcRun.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

using korvane_test::Calc;
using korvane_test::CalcRun;
using korvane_test::ReadFile;
using korvane_test::Shell;
using korvane_test::TempPath;
using korvane_test::WriteFile;

namespace {

bool IsFifo(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

// A command that would block on a FIFO fails the test instead of hanging it.
CalcRun CalcWithin(const std::string& args) {
    return Shell("timeout 30 " + std::string(KORVANE_CALC) + " " + args);
}

TEST(FilesUnderFault, SpecialFilesAreNeitherReplacedNorWaitedOn) {
    // A FIFO, and a link to one, where a case or a report would be written.
    const std::string caseFifo = TempPath("pipe.korvane");
    const std::string reportFifo = TempPath("pipe.pdf");
    const std::string caseLink = TempPath("link.korvane");
    const std::string reportLink = TempPath("link.html");
    ASSERT_EQ(::mkfifo(caseFifo.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(reportFifo.c_str(), 0600), 0);
    ASSERT_EQ(::symlink(caseFifo.c_str(), caseLink.c_str()), 0);
    ASSERT_EQ(::symlink(reportFifo.c_str(), reportLink.c_str()), 0);
    for (const std::string& args :
         {"circular --save-case " + caseFifo, "circular --save-case " + caseLink,
          "circular --report " + reportFifo, "circular --report " + reportLink}) {
        const CalcRun run = CalcWithin(args);
        EXPECT_EQ(run.status, 2) << args << run.err;
        EXPECT_NE(run.err.find("不是普通文件"), std::string::npos) << args << run.err;
    }
    EXPECT_TRUE(IsFifo(caseFifo));
    EXPECT_TRUE(IsFifo(reportFifo));
    // Nor read: a FIFO as a case or a batch would block for ever.
    for (const std::string& args : {"--case " + caseFifo, "--case " + caseLink,
                                    "circular --batch " + caseFifo + " --out -"}) {
        const CalcRun run = CalcWithin(args);
        EXPECT_EQ(run.status, 2) << args << run.err;
        EXPECT_NE(run.err.find("不是普通文件"), std::string::npos) << args << run.err;
    }
    for (const std::string& path : {caseLink, reportLink, caseFifo, reportFifo})
        std::remove(path.c_str());
}

TEST(FilesUnderFault, TheBatchsTemporaryFileFollowsNoPlantedLink) {
    const std::string in = TempPath("in.csv");
    const std::string out = TempPath("answers.csv");
    const std::string precious = TempPath("precious.txt");
    WriteFile(in, "h\n6\n");
    WriteFile(precious, "keep me\n");
    // The name the answer was once written through, and a guess at any fixed one.
    ASSERT_EQ(::symlink(precious.c_str(), (out + ".tmp").c_str()), 0);
    const CalcRun run = CalcWithin("circular --batch " + in + " --out " + out);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(precious), "keep me\n");
    EXPECT_NE(ReadFile(out).find("status"), std::string::npos);
    // No temporary file is left beside the answer.
    const CalcRun left = Shell("ls " + out + ".* | grep -v '\\.tmp$' | wc -l");
    EXPECT_EQ(left.out, "0\n");
    for (const std::string& path : {in, out, precious, out + ".tmp"})
        std::remove(path.c_str());
}

TEST(FilesUnderFault, EndlessStandardInputIsCappedLikeAFile) {
    const CalcRun run = CalcWithin("--case - < /dev/zero");
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_NE(run.err.find("标准输入超过 1048576 字节"), std::string::npos) << run.err;
}

TEST(FilesUnderFault, AnOutputThatCannotBeWrittenFailsTheRun) {
    const CalcRun run = Calc("circular concrete=C30 rebar=HPB235 > /dev/full");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("不能写入标准输出"), std::string::npos) << run.err;
    EXPECT_EQ(Calc("circular concrete=C30 rebar=HPB235 > /dev/null").status, 0);
}

TEST(FilesUnderFault, SettingsThatAreAFifoDoNotHangTheReport) {
    const std::string config = TempPath("config");
    ASSERT_EQ(::mkdir(config.c_str(), 0700), 0);
    ASSERT_EQ(::mkdir((config + "/Korvane").c_str(), 0700), 0);
    const std::string fifo = config + "/Korvane/Korvane.conf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string report = TempPath("fifo-settings.html");
    const CalcRun run = Shell("XDG_CONFIG_HOME=" + config + " timeout 60 " + KORVANE_CALC +
                              " highcap concrete=C30 " + "--report " + report);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(ReadFile(report).find("</html>"), std::string::npos);
    std::remove(report.c_str());
    std::remove(fifo.c_str());
    ::rmdir((config + "/Korvane").c_str());
    ::rmdir(config.c_str());
}

TEST(FilesUnderFault, APlatformThatCannotStartFallsBackForTheReport) {
    const std::string report = TempPath("no-display.pdf");
    const CalcRun run = Shell("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 60 " +
                              std::string(KORVANE_CALC) + " circular --report " + report);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(report).substr(0, 5), "%PDF-");
    std::remove(report.c_str());
}

TEST(FilesUnderFault, OptionsThatWouldBeIgnoredAreRefused) {
    for (const char* args : {"circular --report \"\"", "circular --save-case \"\"",
                             "circular --report a.html --report b.html", "circular --json --json",
                             "circular --threads 2", "circular --out x.csv", "--version extra",
                             "--help circular", "circular --batch a.csv --batch b.csv --out -",
                             "circular --batch a.csv --out - --threads 2 --threads 3"}) {
        const CalcRun run = Calc(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_FALSE(run.err.empty()) << args;
    }
    EXPECT_NE(Calc("circular --report a.html --report b.html").err.find("--report 给了两次"),
              std::string::npos);
}

} // namespace

TEST(FilesUnderFault, ATextLongerThanAFieldIsRefusedEverywhere) {
    const std::string longText = "3.333333333333333333333333333333e-06";
    const CalcRun command = Calc("circular h=" + longText);
    EXPECT_EQ(command.status, 2);
    EXPECT_NE(command.err.find("请键入一个数。"), std::string::npos) << command.err;

    const std::string in = TempPath("long.csv");
    WriteFile(in, "h\n" + longText + "\n6\n");
    const CalcRun batch = Calc("circular --batch " + in + " --out -");
    EXPECT_EQ(batch.status, 2);
    EXPECT_NE(batch.out.find(longText + ",,,,,拒绝："), std::string::npos) << batch.out;
    std::remove(in.c_str());

    const std::string file = TempPath("long.korvane");
    WriteFile(file, R"({"format": "korvane-case", "version": 1, "calculator": "circular",
                       "inputs": {"h": ")" +
                        longText + R"("}})");
    const CalcRun opened = Calc("--case " + file);
    EXPECT_EQ(opened.status, 2);
    EXPECT_NE(opened.err.find("请键入一个数。"), std::string::npos) << opened.err;
    std::remove(file.c_str());
}

TEST(FilesUnderFault, WhatIsPrintedIsValidUtf8AndNoFormula) {
    // A raw byte that is no UTF-8, and a NUL, in the text of a refused field.
    const CalcRun json = Calc("circular h=\"$(printf '\\377')\" --json");
    EXPECT_EQ(json.status, 2);
    EXPECT_EQ(json.out.find('\xff'), std::string::npos);
    EXPECT_NE(json.out.find("\xEF\xBF\xBD"), std::string::npos) << json.out;
    EXPECT_EQ(json.err.find('\xff'), std::string::npos);

    const std::string in = TempPath("formula.csv");
    WriteFile(in, "h,concrete\n=1+1,C30\n-x,@SUM\n-6,C30\n\xfe,C30\n");
    const CalcRun batch = Calc("circular --batch " + in + " --out -");
    EXPECT_EQ(batch.status, 2);
    EXPECT_NE(batch.out.find("\n'=1+1,C30,"), std::string::npos) << batch.out;
    EXPECT_NE(batch.out.find("\n'-x,'@SUM,"), std::string::npos) << batch.out;
    // A number, negative or not, comes back as given.
    EXPECT_NE(batch.out.find("\n-6,C30,"), std::string::npos) << batch.out;
    EXPECT_NE(batch.out.find("\n\xEF\xBF\xBD,C30,"), std::string::npos) << batch.out;
    std::remove(in.c_str());
}

TEST(FilesUnderFault, AHugeTextIsQuotedByItsBeginning) {
    const CalcRun run = Calc("circular h=" + std::string(100000, 'x'));
    EXPECT_EQ(run.status, 2);
    EXPECT_LT(run.err.size(), 3000u);
    EXPECT_NE(run.err.find("只显示开头"), std::string::npos) << run.err.substr(0, 300);
}

TEST(FilesUnderFault, MessagesShowControlCharactersAsEscapes) {
    const std::string in = TempPath("cr.csv");
    // Line ends of carriage returns alone are named as such.
    WriteFile(in, "h\r6\r");
    CalcRun run = Calc("circular --batch " + in + " --out -");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.find('\r'), std::string::npos);
    EXPECT_NE(run.err.find("CSV 第 1 行：行尾只有回车"), std::string::npos) << run.err;
    // A control character in a header cell is shown as its escape.
    WriteFile(in, "h\x01,sax\n6,1\n");
    run = Calc("circular --batch " + in + " --out -");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("h\\x01"), std::string::npos) << run.err;
    std::remove(in.c_str());
    // A slope so high that a circle cuts more pile rows than the loop allows names the
    // height beside the spacing.
    run = Calc("circular h=1e300");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("坡高h与桩中心距sax之比过大"), std::string::npos) << run.err;
    // A folder given as a case says so.
    EXPECT_NE(Calc("--case " + ::testing::TempDir()).err.find("这是一个文件夹"), std::string::npos);
}
