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
    return decoder.decode(bytes);
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
