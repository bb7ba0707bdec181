#include "scores/NameRule.h"

#include "core/Messages.h"
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
        return QString::fromUtf8(messages::kNameHasQuote);
    if (name.contains(u'\r') || name.contains(u'\n'))
        return QString::fromUtf8(messages::kNameHasLineBreak);
    if (std::any_of(name.begin(), name.end(), isControl))
        return QString::fromUtf8(messages::kNameHasControl);
    if (name.size() > kMaxNameLength)
        return QString::fromUtf8(messages::kNameTooLong).arg(kMaxNameLength);
    for (const char32_t codePoint : name.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        if (!readsBack(character))
            return QString::fromUtf8(messages::kNameHasUnusableCharacter).arg(character);
    }
    return std::nullopt;
}

} // namespace lumora
