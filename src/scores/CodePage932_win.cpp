// Code page 932 through Windows' own converter, refusing where it would best-fit.
#include "scores/CodePage932.h"

#include <windows.h>

namespace lumora {

namespace {

constexpr UINT kCodePage = 932;

} // namespace

QString decodeCp932(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    const int size = int(bytes.size());
    QString text(size, Qt::Uninitialized);
    const int written =
        MultiByteToWideChar(kCodePage, 0, bytes.data(), size, reinterpret_cast<wchar_t *>(text.data()), size);
    text.resize(written);
    return text;
}

std::optional<QByteArray> encodeCp932(QStringView text)
{
    if (text.isEmpty())
        return QByteArray();
    const int size = int(text.size());
    QByteArray bytes(2 * qsizetype(size), Qt::Uninitialized);
    BOOL usedDefault = FALSE;
    const int written =
        WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t *>(text.data()), size,
                            bytes.data(), int(bytes.size()), nullptr, &usedDefault);
    if (written == 0 || usedDefault)
        return std::nullopt;
    bytes.resize(written);
    return bytes;
}

} // namespace lumora
