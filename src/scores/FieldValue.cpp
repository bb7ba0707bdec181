#include "scores/FieldValue.h"

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
    case Kind::Number: return numberText(numberValue());
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

QString numberText(double value)
{
    // Below 2^53 every whole double is exact as a 64-bit integer.
    constexpr double kExactLimit = 9007199254740992.0;
    if (std::trunc(value) == value && std::abs(value) < kExactLimit)
        return QString::number(static_cast<qint64>(value));
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
