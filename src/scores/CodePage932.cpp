#include "scores/CodePage932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace lumora {

namespace {

constexpr const char *kCodecName = "windows-31j";

struct Fold { char16_t typed; char16_t held; };
constexpr Fold kFolds[] = {
    {u'\u301C', u'\uFF5E'},  // WAVE DASH
    {u'\u2016', u'\u2225'},  // DOUBLE VERTICAL LINE
    {u'\u2212', u'\uFF0D'},  // MINUS SIGN
    {u'\u00A2', u'\uFFE0'},  // CENT SIGN
    {u'\u00A3', u'\uFFE1'},  // POUND SIGN
    {u'\u00AC', u'\uFFE2'},  // NOT SIGN
    {u'\u2014', u'\u2015'},  // EM DASH
    {u'\u00A6', u'\uFFE4'},  // BROKEN BAR (JIS X 0212)
    {u'\u203E', u'\uFFE3'},  // OVERLINE (JIS X 0213)
};

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

QString foldToCp932(QString text)
{
    for (const Fold &fold : kFolds)
        text.replace(QChar(fold.typed), QChar(fold.held));
    return text;
}

} // namespace lumora
