#include "CaseArguments.h"

#include "BatchFiles.h"
#include "CaseFile.h"
#include "ProgramVersion.h"

#include <cstdio>

namespace korvane {

Problem LoadCaseArgument(const std::string& path, CaseData& data) {
    if (path != "-")
        return LoadCaseFile(QString::fromStdString(path), data);
    std::string bytes;
    // Capped as case files are: standard input may never end.
    if (Problem problem = ReadWholeFile(path, bytes, static_cast<std::size_t>(kLargestCaseBytes)))
        return problem;
    if (const Problem problem = ReadCaseJson(QByteArray::fromStdString(bytes), data))
        return Problem("标准输入：" + problem.Message());
    return {};
}

Problem SaveCaseArgument(const std::string& path, const CaseData& data) {
    const QString program = QString("%1 %2").arg(kProgramName, kProgramVersion);
    // "-" reads standard input for --case, so it writes standard output here.
    if (path == "-") {
        const QByteArray bytes = CaseJson(data, program);
        if (std::fwrite(bytes.constData(), 1, bytes.size(), stdout) != std::size_t(bytes.size()))
            return Problem("无法把算例写到标准输出");
        std::fflush(stdout);
        return {};
    }
    return SaveCaseFile(QString::fromStdString(path), data, program);
}

} // namespace korvane
