#include "CaseFile.h"

#include "CaseRecord.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace korvane {

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// The object `key` of `root` as name -> text; false when it is not an object of texts.
bool ReadTexts(const QJsonObject& root, const char* key, std::map<std::string, std::string>& out,
               QString& problem) {
    const QJsonValue value = root.value(key);
    if (value.isUndefined())
        return true;
    if (!value.isObject()) {
        problem = QString("“%1”应是一组名称与文本").arg(key);
        return false;
    }
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isString()) {
            problem = QString("“%1”中的“%2”应是文本（带引号），例如 \"1.4\"").arg(key, it.key());
            return false;
        }
        out[it.key().toStdString()] = it.value().toString().toStdString();
    }
    return true;
}

// Whether the calculator's form takes the case's lists and texts.
std::string CheckAgainstForm(const CaseData& data) {
    std::string problem;
    WithCalculator(data.calculator, [&](const auto& calc) {
        std::vector<int> selections;
        problem = CaseSelections(calc, data, selections);
        if (!problem.empty())
            return;
        typename std::remove_cvref_t<decltype(calc)>::RecordType record;
        problem = ReadCaseTexts(calc, data, record);
    });
    return problem;
}

} // namespace

CaseReading ReadCaseJson(const QByteArray& bytes) {
    if (bytes.size() > kLargestCaseBytes)
        return {std::nullopt, "文件过大，不是 Korvane 算例"};
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (document.isNull())
        return {std::nullopt, "不是 Korvane 算例：文件不是有效的 JSON（" +
                                  parseError.errorString() + "，位置 " +
                                  QString::number(parseError.offset) + "）"};
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value("format").toString() != kCaseFormat)
        return {std::nullopt, "不是 Korvane 算例：缺少 \"format\": \"korvane-case\""};
    const QJsonValue version = root.value("version");
    if (!version.isDouble() || version.toDouble() < 1 ||
        version.toDouble() != static_cast<double>(version.toInt()))
        return {std::nullopt, "算例的格式版本无效（应为正整数）"};
    if (version.toInt() > kCaseVersion)
        return {std::nullopt, QString("算例的格式版本 %1 比本程序能读的版本 %2 新，请用新版 "
                                      "Korvane 打开")
                                  .arg(version.toInt())
                                  .arg(kCaseVersion)};

    CaseData data;
    data.calculator = root.value("calculator").toString().toStdString();
    if (CalculatorTitle(data.calculator).empty())
        return {std::nullopt, "算例的计算类型“" + Text(data.calculator) +
                                  "”未知（应为 circular、polyline、combined 或 highcap）"};
    const QJsonValue calculated = root.value("calculated");
    if (!calculated.isUndefined() && !calculated.isBool())
        return {std::nullopt, "“calculated”应是 true 或 false"};
    data.calculated = calculated.toBool(false);

    QString problem;
    if (!ReadTexts(root, "selections", data.selections, problem) ||
        !ReadTexts(root, "inputs", data.inputs, problem) ||
        !ReadTexts(root, "results", data.results, problem))
        return {std::nullopt, problem};
    if (!data.calculated)
        data.results.clear();
    if (const std::string refusal = CheckAgainstForm(data); !refusal.empty())
        return {std::nullopt, Text(refusal)};
    return {std::move(data), {}};
}

QByteArray CaseJson(const CaseData& data, const QString& program) {
    auto object = [](const std::map<std::string, std::string>& texts) {
        QJsonObject o;
        for (const auto& [name, text] : texts)
            o.insert(Text(name), Text(text));
        return o;
    };
    QJsonObject root;
    root.insert("format", kCaseFormat);
    root.insert("version", kCaseVersion);
    root.insert("calculator", Text(data.calculator));
    root.insert("title", Text(CalculatorTitle(data.calculator)));
    if (!program.isEmpty())
        root.insert("program", program);
    root.insert("selections", object(data.selections));
    root.insert("inputs", object(data.inputs));
    root.insert("calculated", data.calculated);
    if (data.calculated)
        root.insert("results", object(data.results));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

CaseReading LoadCaseFile(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return {std::nullopt, QString("无法打开“%1”：%2").arg(name, file.errorString())};
    const QByteArray bytes = file.read(kLargestCaseBytes + 1);
    CaseReading reading = ReadCaseJson(bytes);
    if (!reading.data)
        reading.problem = QString("“%1”：%2").arg(name, reading.problem);
    return reading;
}

bool SaveCaseFile(const QString& path, const CaseData& data, const QString& program,
                  QString* error) {
    QSaveFile file(path);
    const QByteArray bytes = CaseJson(data, program);
    // Unbuffered, so that a short write (a full disk) shows here: a buffered QSaveFile
    // flushes on commit() and renames a cut file into place without a word.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error =
                QString("无法保存“%1”：%2").arg(QFileInfo(path).fileName(), file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = QString("无法保存“%1”：写入不完整（磁盘可能已满），原文件未改动")
                         .arg(QFileInfo(path).fileName());
        return false; // the temporary file is removed, the previous file stays
    }
    if (!file.commit()) {
        if (error)
            *error =
                QString("无法保存“%1”：%2").arg(QFileInfo(path).fileName(), file.errorString());
        return false;
    }
    return true;
}

} // namespace korvane
