#include "ui/Fonts.h"

#include "ui/FontFiles.h"
#include "ui/Metrics.h"

#include <QFontDatabase>
#include <QStringList>

#include <map>

namespace lumora::ui {

namespace {

// The family each Windows face is drawn with where it is not installed.
std::map<std::string, QString> &standIns()
{
    static std::map<std::string, QString> faces;
    return faces;
}

} // namespace

void installFontSubstitutes(std::span<const FontSubstitute> substitutes)
{
    // One look at the installed families: QFontDatabase::hasFamily() would run fontconfig's
    // substitution for every name, and a font that names a missing face makes Qt sort every
    // installed font for fallbacks before it reaches a substitute. Where the real face is
    // installed (Windows), it wins; where neither is listed, Qt resolves the name as before.
    loadProgramFonts();
    const QStringList installed = QFontDatabase::families();
    for (const auto &s : substitutes) {
        const QString requested = QString::fromUtf8(s.requested);
        const QString standIn = QString::fromLatin1(s.installed);
        QFont::insertSubstitution(requested, standIn);
        if (!installed.contains(requested, Qt::CaseInsensitive) && installed.contains(standIn, Qt::CaseInsensitive))
            standIns()[s.requested] = standIn;
    }
}

QFont toQFont(const FontDesign &font)
{
    const auto standIn = standIns().find(font.face);
    QFont result(standIn != standIns().end() ? standIn->second : QString::fromStdString(font.face));
    result.setPixelSize(pointsToPixels(font.points));
    result.setItalic(font.italic);
    result.setWeight(QFont::Normal);
    return result;
}

} // namespace lumora::ui
