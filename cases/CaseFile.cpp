#include "CaseFile.h"

#include "CaseEvaluation.h"
#include "CaseMessages.h"
#include "CaseStudyJson.h"
#include "DesignLimits.h"
#include "FieldText.h"
#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

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

// The limits of `root` into `out`, each one the calculator checks, its value a positive
// number by the field rules; false with the problem otherwise.
bool ReadLimits(const QJsonObject& root, const std::string& calculator, DesignLimits& out,
                QString& problem) {
    const QJsonValue value = root.value("limits");
    if (value.isUndefined())
        return true;
    if (!value.isObject()) {
        problem = "“limits”应是一组验算限值";
        return false;
    }
    const QJsonObject limits = value.toObject();
    for (auto it = limits.begin(); it != limits.end(); ++it) {
        const LimitInfo* info = FindLimit(calculator, it.key().toStdString());
        if (!info) {
            problem = QString("“limits”中的“%1”不是本计算的验算项").arg(it.key());
            return false;
        }
        const QJsonObject limit = it.value().toObject();
        const QJsonValue text = limit.value("value");
        const QJsonValue basis = limit.value("basis");
        if (!it.value().isObject() || !text.isString() ||
            !(basis.isUndefined() || basis.isString())) {
            problem =
                QString("“limits”中的“%1”应含文本 \"value\" 与可选的文本 \"basis\"").arg(it.key());
            return false;
        }
        DesignLimit read;
        if (const Problem refused =
                ReadLimitValue(*info, text.toString().toStdString(), read.value)) {
            problem = Text(refused.Message());
            return false;
        }
        read.basis = basis.toString().toStdString();
        out[info->name] = std::move(read);
    }
    return true;
}

// Whether the calculator's form takes the case's lists and texts (or, without
// `checkTexts`, at least has the lists, entries and members the case names).
std::string CheckAgainstForm(const CaseData& data, bool checkTexts) {
    std::string problem;
    WithCalculator(data.calculator, [&](const auto& calc) {
        const auto reading =
            EvaluateCase(calc, data, {.calculate = false, .checkTexts = checkTexts});
        if (reading.refusal)
            problem = RefusalText(calc, *reading.refusal);
    });
    return problem;
}

// A limit's value as the shortest text that reads back as the same double: a limit is
// the engineer's number, not a field's text of 15 digits.
std::string LimitText(double value) {
    return ShortestNumberText(value).toStdString();
}

Problem Refused(const QString& message) {
    return Problem(message.toStdString());
}

} // namespace

Problem ReadCaseJson(const QByteArray& bytes, CaseData& out, bool checkTexts) {
    if (bytes.size() > kLargestCaseBytes)
        return Refused("文件过大，不是 Korvane 算例");
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (document.isNull())
        return Refused("不是 Korvane 算例：文件不是有效的 JSON（" + parseError.errorString() +
                       "，位置 " + QString::number(parseError.offset) + "）");
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value("format").toString() != kCaseFormat)
        return Refused("不是 Korvane 算例：缺少 \"format\": \"korvane-case\"");
    const QJsonValue version = root.value("version");
    if (!version.isDouble() || version.toDouble() < 1 ||
        version.toDouble() != static_cast<double>(version.toInt()))
        return Refused("算例的格式版本无效（应为正整数）");
    if (version.toInt() > kCaseVersion)
        return Refused(QString("算例的格式版本 %1 比本程序能读的版本 %2 新，请用新版 "
                               "Korvane 打开")
                           .arg(version.toInt())
                           .arg(kCaseVersion));

    CaseData data;
    data.calculator = root.value("calculator").toString().toStdString();
    if (CalculatorTitle(data.calculator).empty())
        return Refused("算例的计算类型“" + Text(data.calculator) +
                       "”未知（应为 circular、polyline、combined 或 highcap）");
    const QJsonValue calculated = root.value("calculated");
    if (!calculated.isUndefined() && !calculated.isBool())
        return Refused("“calculated”应是 true 或 false");
    data.calculated = calculated.toBool(false);

    QString problem;
    if (!ReadTexts(root, "selections", data.selections, problem) ||
        !ReadTexts(root, "inputs", data.inputs, problem) ||
        !ReadTexts(root, "results", data.results, problem) ||
        !ReadLimits(root, data.calculator, data.limits, problem) ||
        !ReadCaseStudy(root, data.calculator, data.study, problem))
        return Refused(problem);
    if (!data.calculated)
        data.results.clear();
    if (std::string refusal = CheckAgainstForm(data, checkTexts); !refusal.empty())
        return Problem(std::move(refusal));
    out = std::move(data);
    return {};
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
    // The oldest version that holds everything the case has, for earlier programs to read.
    root.insert("version", data.study            ? kCaseVersion
                           : data.limits.empty() ? kCaseVersionWithoutLimits
                                                 : kCaseVersionWithLimits);
    root.insert("calculator", Text(data.calculator));
    root.insert("title", Text(CalculatorTitle(data.calculator)));
    if (!program.isEmpty())
        root.insert("program", program);
    root.insert("selections", object(data.selections));
    root.insert("inputs", object(data.inputs));
    root.insert("calculated", data.calculated);
    if (data.calculated)
        root.insert("results", object(data.results));
    if (!data.limits.empty()) {
        QJsonObject limits;
        for (const auto& [name, limit] : data.limits)
            limits.insert(Text(name), QJsonObject{{"value", Text(LimitText(limit.value))},
                                                  {"basis", Text(limit.basis)}});
        root.insert("limits", limits);
    }
    if (data.study)
        root.insert("study", CaseStudyJson(*data.study));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Problem LoadCaseFile(const QString& path, CaseData& data, bool checkTexts) {
    // The whole path: files of the same name lie in many folders.
    const QString name = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    // A FIFO or a device would block the open or never end.
    if (const Problem refused = NotARegularSource(path, name))
        return refused;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refused(QString("无法打开“%1”：%2").arg(name, file.errorString()));
    const QByteArray bytes = file.read(kLargestCaseBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return Refused(QString("无法读取“%1”：%2").arg(name, file.errorString()));
    if (bytes.isEmpty())
        return Refused(QString("“%1”：文件为空").arg(name));
    if (const Problem problem = ReadCaseJson(bytes, data, checkTexts))
        return Problem(QString("“%1”：").arg(name).toStdString() + problem.Message());
    return {};
}

Problem SaveCaseFile(const QString& path, const CaseData& data, const QString& program) {
    const QString name = QFileInfo(path).fileName();
    return WriteFileWhole(path, CaseJson(data, program), name, QStringLiteral("无法保存"));
}

} // namespace korvane
