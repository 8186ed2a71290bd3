#include "CaseArguments.h"

#include "BatchFiles.h"
#include "CaseFile.h"
#include "ProgramVersion.h"

#include <cstdio>

namespace korvane {

std::string LoadCaseArgument(const std::string& path, CaseData& data) {
    CaseReading reading;
    if (path == "-") {
        std::string bytes;
        if (std::string message = ReadWholeFile(path, bytes); !message.empty())
            return message;
        reading = ReadCaseJson(QByteArray::fromStdString(bytes));
        if (!reading.data)
            reading.problem = "标准输入：" + reading.problem;
    } else {
        reading = LoadCaseFile(QString::fromStdString(path));
    }
    if (!reading.data)
        return reading.problem.toStdString();
    data = *reading.data;
    return {};
}

std::string SaveCaseArgument(const std::string& path, const CaseData& data) {
    QString error;
    const QString program = QString("%1 %2").arg(kProgramName, kProgramVersion);
    // "-" reads standard input for --case, so it writes standard output here.
    if (path == "-") {
        const QByteArray bytes = CaseJson(data, program);
        if (std::fwrite(bytes.constData(), 1, bytes.size(), stdout) != std::size_t(bytes.size()))
            return "无法把算例写到标准输出";
        std::fflush(stdout);
        return {};
    }
    if (!SaveCaseFile(QString::fromStdString(path), data, program, &error))
        return error.toStdString();
    return {};
}

} // namespace korvane
