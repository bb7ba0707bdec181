#include "ui/FontFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace lumora::ui {

void loadProgramFonts()
{
    // The fonts folder beside the program, for this process only: nothing is installed. Once,
    // as Qt would list a font added twice twice.
    static const bool loaded = [] {
        const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
        for (const QString &file : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files))
            QFontDatabase::addApplicationFont(folder.filePath(file));
        return true;
    }();
    Q_UNUSED(loaded);
}

} // namespace lumora::ui
