#include "about/DiskFileLookup.h"

#include <QFile>
#include <QFileInfo>

namespace lumora {

bool DiskFileLookup::fileExists(const std::string &path)
{
    return QFileInfo(QFile::decodeName(path.c_str())).isFile();
}

} // namespace lumora
