#include "ui/Fonts.h"

#include "ui/FontFiles.h"
#include "ui/Metrics.h"

#include <QFontDatabase>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <map>

namespace lumora::ui {

namespace {

// The family each Windows face is drawn with where it is not listed by the name the designs use:
// its English name, or its stand-in.
std::map<std::string, QString, std::less<>> &drawnFaces()
{
    static std::map<std::string, QString, std::less<>> faces;
    return faces;
}

} // namespace

void installFontSubstitutes(std::span<const FontSubstitute> substitutes)
{
    // One look at the installed families: QFontDatabase::hasFamily() would run fontconfig's
    // substitution for every name, and a font that names a missing face makes Qt sort every
    // installed font for fallbacks before it reaches a substitute. Where the real face is
    // installed (Windows), it wins; where none is listed, Qt resolves the name as before.
    loadProgramFonts();
    installFontSubstitutes(substitutes, QFontDatabase::families());
}

void installFontSubstitutes(std::span<const FontSubstitute> substitutes, const QStringList &installed)
{
    const auto listed = [&installed](const QString &family) {
        return !family.isEmpty() && installed.contains(family, Qt::CaseInsensitive);
    };
    const auto firstListed = [&listed](std::initializer_list<QString> families) {
        for (const QString &family : families) {
            if (listed(family))
                return family;
        }
        return QString();
    };
    for (const auto &s : substitutes) {
        const QString requested = QString::fromUtf8(s.requested);
        const QString english = QString::fromLatin1(s.english);
        const QString standIn = QString::fromLatin1(s.installed);
        QFont::insertSubstitution(requested, standIn);
        const QString drawn = listed(requested) ? QString() : firstListed({english, standIn});
        if (drawn.isEmpty())
            drawnFaces().erase(s.requested);
        else
            drawnFaces()[s.requested] = drawn;
    }
}

QFont toQFont(const FontDesign &font)
{
    const auto drawn = drawnFaces().find(font.face);
    QFont result(drawn != drawnFaces().end() ? drawn->second
                                             : QString::fromUtf8(font.face.data(), qsizetype(font.face.size())));
    result.setPixelSize(pointsToPixels(font.points));
    result.setItalic(font.italic);
    result.setWeight(QFont::Normal);
    return result;
}

} // namespace lumora::ui
