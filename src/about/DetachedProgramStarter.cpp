#include "about/DetachedProgramStarter.h"

#include "core/RuntimeError.h"

#include <QFile>
#include <QProcess>

namespace lumora {

void DetachedProgramStarter::start(const std::string &path)
{
    // The path is the program itself, spaces included, never a command line to split.
    if (!QProcess::startDetached(QFile::decodeName(path.c_str()), {}))
        raise(ErrorCode::FileNotFound);
}

} // namespace lumora
