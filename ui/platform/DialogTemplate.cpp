#include "DialogTemplate.h"

#include "ResourceSymbols.h"

#include <QDebug>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace korvane {

namespace {

std::optional<ControlType> ParseType(const QString& type) {
    static const std::pair<const char*, ControlType> kTypes[] = {
        {"button", ControlType::Button}, {"edit", ControlType::Edit},
        {"label", ControlType::Label},   {"picture", ControlType::Picture},
        {"icon", ControlType::Icon},     {"group", ControlType::GroupBox},
        {"radio", ControlType::Radio},   {"combo", ControlType::ComboBox},
    };
    for (const auto& [name, value] : kTypes) {
        if (type == QLatin1String(name))
            return value;
    }
    return std::nullopt;
}

// Ids are written as names from resource.h; a plain number is taken as it is.
std::optional<int> ParseId(const QJsonValue& value) {
    if (value.isUndefined())
        return -1;
    if (value.isDouble())
        return value.toInt();
    return ResourceSymbol(value.toString());
}

QRect ParseRect(const QJsonValue& value) {
    const QJsonArray r = value.toArray();
    return QRect(r.at(0).toInt(), r.at(1).toInt(), r.at(2).toInt(), r.at(3).toInt());
}

std::optional<ControlTemplate> ParseControl(const QJsonObject& object, int dialogId) {
    const auto type = ParseType(object.value("type").toString());
    const auto id = ParseId(object.value("id"));
    if (!type || !id) {
        qWarning() << "dialog" << dialogId << ": bad control" << object;
        return std::nullopt;
    }
    ControlTemplate control;
    control.type = *type;
    control.id = *id;
    control.text = object.value("text").toString();
    control.rect = ParseRect(object.value("rect"));
    control.image = object.value("image").toString();
    for (const QJsonValue& item : object.value("items").toArray())
        control.items << item.toString();
    for (const QJsonValue& style : object.value("style").toArray()) {
        const QString s = style.toString();
        control.groupStart |= s == "group";
        control.defaultButton |= s == "default";
        control.sunken |= s == "sunken";
        control.bordered |= s == "border";
        control.disabled |= s == "disabled";
    }
    return control;
}

} // namespace

std::optional<DialogTemplate> LoadDialogTemplate(int id) {
    QFile file(QString(":/dialogs/%1.json").arg(id));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "dialog template" << id << "not found";
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject()) {
        qWarning() << "dialog template" << id << ":" << error.errorString();
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    DialogTemplate dialog;
    dialog.id = id;
    dialog.caption = root.value("caption").toString();
    const QJsonArray size = root.value("size").toArray();
    dialog.size = QSize(size.at(0).toInt(), size.at(1).toInt());
    dialog.fontName = root.value("font").toString();
    dialog.pointSize = root.value("pointSize").toInt(9);
    for (const QJsonValue& value : root.value("controls").toArray()) {
        auto control = ParseControl(value.toObject(), id);
        if (!control)
            return std::nullopt;
        dialog.controls.push_back(std::move(*control));
    }
    return dialog;
}

} // namespace korvane
