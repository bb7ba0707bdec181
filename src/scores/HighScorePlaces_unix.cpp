#include "scores/HighScorePlaces.h"

#include <QStandardPaths>

namespace lumora {

namespace {

QString dataFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/LumoraHigh.Dll");
}

} // namespace

QString platformLoadFile()
{
    return dataFile();
}

QString platformSaveFile()
{
    return dataFile();
}

} // namespace lumora
