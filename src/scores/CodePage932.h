#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The high-score file holds its text in code page 932 (Shift_JIS as Windows writes it) on every
// platform, so a file moves between the Windows game and this one unchanged.
namespace lumora {

// Invalid bytes become U+001A, unassigned double-byte codes "・"; either can be written back.
// Only a lead byte cut off at the very end is dropped.
QString decodeCp932(QByteArrayView bytes);

// Nothing when some character has no code in code page 932: the encoder's substitute bytes
// must never reach the file.
std::optional<QByteArray> encodeCp932(QStringView text);

// Input methods on Linux and macOS follow JIS-based Unicode mappings: a few characters they type
// (〜 U+301C, ‖, −, ¢, £, ¬, —, ¦, ‾) have no code in code page 932, which holds the same JIS
// character under another code point (～ U+FF5E, ∥, －, ￠, ￡, ￢, ―, ￤, ￣). Replaces them by
// those, which is how Windows shows the bytes.
QString foldToCp932(QString text);

} // namespace lumora
