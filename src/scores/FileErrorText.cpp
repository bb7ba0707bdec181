#include "scores/FileErrorText.h"

#include <cerrno>

namespace lumora {

QString fileErrorText(const QString &systemText)
{
    // Qt words a file error as the C library does for its errno, so the causes are known by text.
    struct Cause { int code; const char16_t *japanese; };
    static constexpr Cause kCauses[] = {
        {ENOENT, u"フォルダーが見つかりません"},
        {EACCES, u"書き込む権限がありません"},
        {EPERM, u"書き込む権限がありません"},
        {ENOSPC, u"ディスクの空き領域が足りません"},
#ifdef EDQUOT
        {EDQUOT, u"ディスクの空き領域が足りません"},
#endif
        {EROFS, u"読み取り専用のファイル システムです"},
    };
    for (const Cause &cause : kCauses) {
        if (systemText == qt_error_string(cause.code))
            return QString::fromUtf16(cause.japanese);
    }
    return systemText;
}

QString notARegularFileText(FileKind kind)
{
    switch (kind) {
    case FileKind::Folder: return QStringLiteral("ファイルの代わりにフォルダーがあります");
    case FileKind::Pipe: return QStringLiteral("ファイルの代わりに名前付きパイプがあります");
    case FileKind::Socket: return QStringLiteral("ファイルの代わりにソケットがあります");
    case FileKind::Device: return QStringLiteral("ファイルの代わりにデバイスがあります");
    case FileKind::Other: break;
    }
    return QStringLiteral("通常のファイルではありません");
}

} // namespace lumora
