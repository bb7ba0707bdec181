#pragma once

#include <QString>

namespace lumora {

// The reason a file operation failed, for a Japanese message: the common causes in sentences of
// our own, any other in the system's words (`systemText`, as Qt's file classes report it).
// Fits inside parentheses: no closing "。".
QString fileErrorText(const QString &systemText);

// What can stand at a file's path instead of a regular file.
enum class FileKind { Folder, Pipe, Socket, Device, Other };

// Why nothing is read from or written to such a thing, in the same form as fileErrorText.
QString notARegularFileText(FileKind kind);

} // namespace lumora
