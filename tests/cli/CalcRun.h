#pragma once

// Runs korvane-calc as a shell command, as an engineer would in a terminal.

#include <array>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace korvane_test {

struct CalcRun {
    std::string out;
    std::string err;
    int status;
};

// A file name of this test process's own: ctest runs the tests in parallel processes.
inline std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "korvane-calc." + std::to_string(getpid()) + "." + name;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Runs `command` in the shell, its standard error into a file of its own.
inline CalcRun Shell(const std::string& line) {
    static int calls = 0;
    const std::string errFile = TempPath(std::to_string(++calls) + ".err");
    const std::string command = line + " 2>" + errFile;
    CalcRun run;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        run.out.append(buffer.data(), n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.err = ReadFile(errFile);
    std::remove(errFile.c_str());
    return run;
}

// `args` go through the shell, so they may quote and redirect.
inline CalcRun Calc(const std::string& args) {
    return Shell(std::string(KORVANE_CALC) + " " + args);
}

inline bool HasLine(const std::string& out, const std::string& line) {
    return ("\n" + out).find("\n" + line + "\n") != std::string::npos;
}

} // namespace korvane_test
