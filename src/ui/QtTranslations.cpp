#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace lumora::ui {

bool installQtTranslations()
{
    static const bool installed = [] {
        auto *translator = new QTranslator(QCoreApplication::instance());
        // A fixed file name, not the locale's: one lookup, the same on every system.
        if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
            && QCoreApplication::installTranslator(translator))
            return true;
        delete translator;
        return false;
    }();
    return installed;
}

} // namespace lumora::ui
