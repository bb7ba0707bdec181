#include "ui/Fonts.h"

#include "ui/Metrics.h"

#include <QFontDatabase>

namespace lumora::ui {

void installFontSubstitutes()
{
    struct Substitute { const char *requested; const char *installed; };
    static constexpr Substitute kSubstitutes[] = {
        {"ＭＳ 明朝", "IPAMincho"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},
        {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"Times New Roman", "Liberation Serif"},
    };
    for (const auto &s : kSubstitutes) {
        const QString requested = QString::fromUtf8(s.requested);
        // Where the real face is installed (Windows), it wins.
        if (!QFontDatabase::hasFamily(requested))
            QFont::insertSubstitution(requested, QString::fromLatin1(s.installed));
    }
}

QFont toQFont(const FontDesign &font)
{
    QFont result(QString::fromStdString(font.face));
    result.setPixelSize(pointsToPixels(font.points));
    result.setItalic(font.italic);
    result.setWeight(QFont::Normal);
    return result;
}

} // namespace lumora::ui
