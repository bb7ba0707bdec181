#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The high-score file holds its text in code page 932 (Shift_JIS as Windows writes it) on every
// platform, so a file moves between the Windows game and this one unchanged. Both directions
// follow Windows' own converter byte for byte: on Windows it is that converter, elsewhere a table
// of the platform's with Windows' rules where the two differ.
namespace lumora {

// As Windows reads the bytes: 00-7F are themselves; a lead byte takes the next byte as its
// partner unless that is NUL, and a pair with no character, or a lead byte with no partner, reads
// as "・"; the single bytes 80, A0 and FD-FF read as U+0080 and U+F8F0-U+F8F3. Whatever this
// gives can be written back.
QString decodeCp932(QByteArrayView bytes);

// Nothing when some character has no code of its own in code page 932: no character is ever
// written as a look-alike or a substitute.
std::optional<QByteArray> encodeCp932(QStringView text);

// Input methods on Linux and macOS follow JIS-based Unicode mappings: a few characters they type
// (〜 U+301C, ‖, −, ¢, £, ¬, —, ¦, ‾) have no code in code page 932, which holds the same JIS
// character under another code point (～ U+FF5E, ∥, －, ￠, ￡, ￢, ―, ￤, ￣). Replaces them by
// those, which is how Windows shows the bytes.
QString foldToCp932(QString text);

} // namespace lumora
