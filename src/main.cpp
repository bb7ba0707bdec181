#include "Version.h"
#include "app/basPublic.h"
#include "ui/Fonts.h"
#include "ui/Handler.h"
#include "ui/Icons.h"
#include "ui/QtTranslations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Names the player's data folder (~/.local/share/lumora), where the high scores live.
    QApplication::setApplicationName(QStringLiteral("lumora"));
    QApplication::setDesktopFileName(QString::fromLatin1(lumora::build::kDesktopId));
    QApplication::setWindowIcon(lumora::ui::programIcon());
    lumora::ui::installFontSubstitutes();
    lumora::ui::installQtTranslations();

    lumora::ui::runHandler([] { lumora::Main(); });
    return QApplication::exec();
}
