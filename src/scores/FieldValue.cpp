#include "scores/FieldValue.h"

#include "round/NumberText.h"

#include <QLocale>

#include <cmath>

namespace lumora {

FieldValue FieldValue::number(double value)
{
    FieldValue field;
    field.m_value = value;
    return field;
}

FieldValue FieldValue::text(const QString &value)
{
    FieldValue field;
    field.m_value = value;
    return field;
}

FieldValue::Kind FieldValue::kind() const
{
    return static_cast<Kind>(m_value.index());
}

double FieldValue::numberValue() const
{
    const double *value = std::get_if<double>(&m_value);
    return value ? *value : 0;
}

QString FieldValue::textValue() const
{
    const QString *value = std::get_if<QString>(&m_value);
    return value ? *value : QString();
}

QString FieldValue::displayText() const
{
    switch (kind()) {
    case Kind::Empty: return QString();
    case Kind::Number: return fieldNumberText(numberValue());
    case Kind::Text: return textValue();
    }
    return QString();
}

double FieldValue::recordValue() const
{
    if (kind() == Kind::Text)
        return numberFromText(textValue()).value_or(0);
    return numberValue();
}

QString fieldNumberText(double value)
{
    // Whole numbers below 2^53 are written as the round shows them; anything else can only come
    // from a file the program did not write.
    constexpr double kExactLimit = 9007199254740992.0;
    if (std::trunc(value) == value && std::abs(value) < kExactLimit)
        return QString::fromStdString(numberText(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

std::optional<double> numberFromText(QStringView text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace lumora
