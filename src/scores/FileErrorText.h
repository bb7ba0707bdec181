#pragma once

#include <QString>

#include <span>

namespace lumora {

// The reason a file operation failed, for a Japanese message: the common causes in sentences of
// our own, any other in the system's words. `systemError` is the platform's own code for it:
// errno on Linux, a Win32 error code (GetLastError()) on Windows.
// Fits inside parentheses: no closing "。".
QString fileErrorText(int systemError);

// The causes told in sentences of our own.
enum class FileErrorCause { MissingFolder, NoPermission, DiskFull, ReadOnlyFileSystem, InUse, ReadOnlyFile };

struct KnownFileError
{
    int code;
    FileErrorCause cause;
};

// A cause in the same form as fileErrorText; ReadOnlyFile has no system code of its own.
QString fileErrorText(FileErrorCause cause);

// This platform's codes for those causes, one table per platform.
std::span<const KnownFileError> knownFileErrors();

// What can stand at a file's path instead of a regular file.
enum class FileKind { Folder, Pipe, Socket, Device, Other };

// Why nothing is read from or written to such a thing, in the same form as fileErrorText.
QString notARegularFileText(FileKind kind);

} // namespace lumora
