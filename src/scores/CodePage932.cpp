#include "scores/CodePage932.h"

namespace lumora {

namespace {

struct Fold
{
    char16_t typed;
    char16_t held;
};
constexpr Fold kFolds[] = {
    {u'\u301C', u'\uFF5E'}, // WAVE DASH
    {u'\u2016', u'\u2225'}, // DOUBLE VERTICAL LINE
    {u'\u2212', u'\uFF0D'}, // MINUS SIGN
    {u'\u00A2', u'\uFFE0'}, // CENT SIGN
    {u'\u00A3', u'\uFFE1'}, // POUND SIGN
    {u'\u00AC', u'\uFFE2'}, // NOT SIGN
    {u'\u2014', u'\u2015'}, // EM DASH
    {u'\u00A6', u'\uFFE4'}, // BROKEN BAR (JIS X 0212)
    {u'\u203E', u'\uFFE3'}, // OVERLINE (JIS X 0213)
};

} // namespace

QString foldToCp932(QString text)
{
    for (const Fold &fold : kFolds)
        text.replace(QChar(fold.typed), QChar(fold.held));
    return text;
}

} // namespace lumora
