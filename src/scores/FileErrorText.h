#pragma once

#include <QString>

namespace lumora {

// The reason a file operation failed, for a Japanese message: the common causes in sentences of
// our own, any other in the system's words (`systemText`, as Qt's file classes report it).
// Fits inside parentheses: no closing "。".
QString fileErrorText(const QString &systemText);

} // namespace lumora
