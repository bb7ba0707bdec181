#include "scores/NameRule.h"

#include "scores/CodePage932.h"
#include "scores/HighScoreFormat.h"

#include <QList>

#include <algorithm>

namespace lumora {

namespace {

// Two bytes per character at most, plus quotes, a score (at most 24 characters) and a comma.
static_assert(2 * kMaxNameLength + 2 + 24 + 1 <= kMaxSlotBytes,
              "a slot with the longest name must fit in its share of what a load reads");

// C0 and C1 controls and DEL: the file and the high-score window cannot show them as typed.
bool isControl(QChar character)
{
    const char16_t unit = character.unicode();
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
}

bool readsBack(const QString &character)
{
    const std::optional<QByteArray> bytes = encodeCp932(character);
    return bytes && decodeCp932(*bytes) == character;
}

} // namespace

std::optional<QString> nameProblem(const QString &name)
{
    if (name.contains(u'"'))
        return QStringLiteral("名前に \" は使えません。");
    if (name.contains(u'\r') || name.contains(u'\n'))
        return QStringLiteral("名前に改行は使えません。");
    if (std::any_of(name.begin(), name.end(), isControl))
        return QStringLiteral("名前に制御文字は使えません。");
    if (name.size() > kMaxNameLength)
        return QStringLiteral("名前は %1 文字までです。").arg(kMaxNameLength);
    for (const char32_t codePoint : name.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        if (!readsBack(character))
            return QStringLiteral("「%1」は名前に使えません。").arg(character);
    }
    return std::nullopt;
}

} // namespace lumora
