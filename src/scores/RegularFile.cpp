#include "scores/RegularFile.h"

#include "scores/FileErrorText.h"
#include "scores/RegularFile_p.h"

#include <QFileInfo>

namespace lumora {

namespace {
// As many links as the systems themselves follow before they give up.
constexpr int kMaxLinks = 40;
} // namespace

RegularFilePath resolveRegularFile(const QString &path)
{
    QString target = path;
    for (int links = 0;; ++links) {
        const QString next = detail::linkTarget(target);
        if (next.isEmpty())
            break;
        if (links == kMaxLinks)
            return {path, fileErrorText(detail::kTooManyLinks)};
        target = next;
    }
    return detail::fileAt(target);
}

int makeFolders(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return 0;
    const QString above = QFileInfo(folder).path();
    if (above != folder) {
        if (const int error = makeFolders(above))
            return error;
    }
    return detail::makeFolder(folder);
}

} // namespace lumora
