#pragma once

#include "scores/RegularFile.h"

#include <QString>

// What each platform's file tells the portable half of RegularFile (RegularFile.cpp) and the lock.
namespace lumora::detail {

// The path the link at `path` points to, made absolute; empty when `path` is no link.
QString linkTarget(const QString &path);

// What stands at `path`, not followed if it is a link: a problem for anything but a regular file
// or nothing at all.
RegularFilePath fileAt(const QString &path);

// Why the open file `handle` (a descriptor on Linux, a HANDLE on Windows) is no regular file, in
// fileErrorText's form; empty for a regular file.
QString problemOfOpenFile(qintptr handle);

// Makes the one folder `folder` in a folder that exists; 0 also when it exists already.
int makeFolder(const QString &folder);

// The system's code for a chain of links too long to follow.
extern const int kTooManyLinks;

} // namespace lumora::detail
