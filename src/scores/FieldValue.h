#pragma once

#include <QString>

#include <optional>
#include <variant>

namespace lumora {

// One field of the high-score file as the first two slots hold it: nothing, a number or a text.
class FieldValue
{
public:
    enum class Kind { Empty, Number, Text };

    FieldValue() = default;
    static FieldValue number(double value);
    static FieldValue text(const QString &value);

    Kind kind() const;
    bool isEmpty() const { return kind() == Kind::Empty; }
    double numberValue() const; // 0 unless a number
    QString textValue() const;  // empty unless a text

    // What a label shows: "" for empty, the decimal text of a number, a text itself.
    QString displayText() const;
    // What the record test compares: empty counts as 0, a text that reads as a number
    // (a file the program did not write) counts as that number, any other text as 0.
    double recordValue() const;

    friend bool operator==(const FieldValue &, const FieldValue &) = default;

private:
    std::variant<std::monostate, double, QString> m_value;
};

// Whole numbers as plain decimal digits, "-" when negative; anything else in the shortest form
// that reads back as the same double.
QString fieldNumberText(double value);

// The number a text spells, surrounding spaces allowed; nothing for other texts, infinities
// and NaN included, so every number in the table stays finite.
std::optional<double> numberFromText(QStringView text);

} // namespace lumora
