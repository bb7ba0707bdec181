#include "scores/CodePage932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace lumora {

namespace {

constexpr const char *kCodecName = "windows-31j";

} // namespace

QString decodeCp932(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodecName, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    // Unassigned double-byte codes come out as U+FFFD, which has no code to be written back
    // with; Windows shows such bytes as "・", which does.
    return text.replace(QChar::ReplacementCharacter, u'・');
}

std::optional<QByteArray> encodeCp932(QStringView text)
{
    QStringEncoder encoder(kCodecName, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError())
        return std::nullopt;
    return bytes;
}

} // namespace lumora
