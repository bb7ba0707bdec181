#include "scores/FileErrorText.h"

namespace lumora {

QString fileErrorText(FileErrorCause cause)
{
    switch (cause) {
    case FileErrorCause::MissingFolder: return QStringLiteral("フォルダーが見つかりません");
    case FileErrorCause::NoPermission: return QStringLiteral("アクセスする権限がありません");
    case FileErrorCause::DiskFull: return QStringLiteral("ディスクの空き領域が足りません");
    case FileErrorCause::InUse: return QStringLiteral("ほかのプログラムがファイルを使用中です");
    case FileErrorCause::ReadOnlyFile: return QStringLiteral("読み取り専用のファイルです");
    case FileErrorCause::ReadOnlyFileSystem: break;
    }
    return QStringLiteral("読み取り専用のファイル システムです");
}

QString fileErrorText(int systemError)
{
    for (const KnownFileError &known : knownFileErrors()) {
        if (known.code == systemError)
            return fileErrorText(known.cause);
    }
    // qt_error_string words errno on Linux and a Win32 code on Windows, each as its system does.
    return qt_error_string(systemError);
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
