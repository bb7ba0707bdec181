#include "scores/HighScorePlaces.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace lumora {

namespace {

// C:\Windows\System\LumoraHigh.Dll, written with Qt's separator; messages show it natively.
const QString kFixedFolder = QStringLiteral("C:/Windows/System");
const QString kFileName = QStringLiteral("/LumoraHigh.Dll");

QString virtualCopy()
{
    // The local application data folder, as Windows' VirtualStore mirrors C:\ there.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/VirtualStore/Windows/System") + kFileName;
}

bool canMakeFileIn(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/LumoraHigh.XXXXXX"));
    return probe.open();
}

} // namespace

QString platformLoadFile()
{
    const QString copy = virtualCopy();
    return loadPlace(
        {.fixed = kFixedFolder + kFileName, .virtualCopy = copy, .virtualCopyExists = QFileInfo::exists(copy)});
}

QString platformSaveFile()
{
    const QString copy = virtualCopy();
    const bool copyExists = QFileInfo::exists(copy);
    return savePlace({.fixed = kFixedFolder + kFileName,
                      .virtualCopy = copy,
                      .virtualCopyExists = copyExists,
                      .fixedWritable = !copyExists && canMakeFileIn(kFixedFolder)});
}

} // namespace lumora
