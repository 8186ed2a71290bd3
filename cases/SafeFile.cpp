#include "SafeFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace korvane {

namespace {

Problem Said(const QString& message) {
    return Problem(message.toStdString());
}

} // namespace

Problem NotARegularTarget(const QString& path, const QString& shownName, const QString& failing) {
    const QFileInfo info(path);
    // exists() follows symlinks: a dangling link is written through like a new file.
    if (info.exists() && !info.isFile())
        return Said(
            QString("%1“%2”：它%3，不是普通文件；请另选一个文件名")
                .arg(failing, shownName, info.isDir() ? "是文件夹" : "是设备、管道或其他特殊文件"));
    return {};
}

Problem NotARegularSource(const QString& path, const QString& shownName) {
    const QFileInfo info(path);
    if (!info.exists())
        return Said(QString("无法打开“%1”：文件不存在").arg(shownName));
    if (info.isDir())
        return Said(QString("无法打开“%1”：这是一个文件夹").arg(shownName));
    if (!info.isFile())
        return Said(
            QString("无法打开“%1”：它是设备、管道或其他特殊文件，不是普通文件").arg(shownName));
    return {};
}

Problem WriteFileWhole(const QString& path, const QByteArray& bytes, const QString& shownName,
                       const QString& failing) {
    if (Problem refused = NotARegularTarget(path, shownName, failing))
        return refused;
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) shows here: a buffered QSaveFile
    // flushes on commit() and renames a cut file into place without a word.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Said(QString("%1“%2”：%3").arg(failing, shownName, file.errorString()));
    // On a short write the temporary file is removed and the previous file stays.
    if (file.write(bytes) != bytes.size())
        return Said(
            QString("%1“%2”：写入不完整（磁盘可能已满），原文件未改动").arg(failing, shownName));
    if (!file.commit())
        return Said(
            QString("%1“%2”：%3，原文件未改动").arg(failing, shownName, file.errorString()));
    return {};
}

} // namespace korvane
