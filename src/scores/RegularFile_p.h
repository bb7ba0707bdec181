#pragma once

#include <QString>

// What each platform's file tells the portable half of RegularFile (RegularFile.cpp).
namespace lumora::detail {

// The path the link at `path` points to, made absolute; empty when `path` is no link.
QString linkTarget(const QString &path);

// Why what stands at `path` (not followed if it is a link) is no regular file, in
// fileErrorText's form; empty for a regular file or for nothing at all.
QString problemAt(const QString &path);

// The system's code for a chain of links too long to follow.
extern const int kTooManyLinks;

} // namespace lumora::detail
