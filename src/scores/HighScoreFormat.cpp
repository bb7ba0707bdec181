#include "scores/HighScoreFormat.h"

#include "scores/CodePage932.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <span>

namespace lumora {

namespace {

struct Field
{
    bool quoted = false;
    QString text;
};

// Splits bytes into fields. Commas, quotes, CR and LF are single bytes that never occur inside
// a Shift_JIS double-byte character, so the split is done on bytes and each field decoded alone.
class FieldReader
{
public:
    explicit FieldReader(QByteArrayView bytes)
        : m_bytes(bytes.first(std::min(bytes.size(), kMaxHighScoreBytes)))
    {
    }

    std::optional<Field> next()
    {
        if (m_pos >= m_bytes.size())
            return std::nullopt;
        skipSpaces();
        Field field;
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') {
            const qsizetype start = m_pos + 1;
            const qsizetype quote = m_bytes.indexOf('"', start);
            const qsizetype end = quote < 0 ? m_bytes.size() : quote;
            field.quoted = true;
            field.text = decodeCp932(m_bytes.sliced(start, end - start));
            // Whatever lies between the closing quote and the separator is dropped.
            m_pos = separatorFrom(std::min(end + 1, m_bytes.size()));
        } else {
            const qsizetype end = separatorFrom(m_pos);
            field.text = decodeCp932(trimmedEnd(m_bytes.sliced(m_pos, end - m_pos))).remove(u'"');
            m_pos = end;
        }
        skipSeparator();
        return field;
    }

private:
    static bool isSpace(char byte) { return byte == ' ' || byte == '\t'; }
    static bool isSeparator(char byte) { return byte == ',' || byte == '\r' || byte == '\n'; }

    static QByteArrayView trimmedEnd(QByteArrayView bytes)
    {
        while (!bytes.isEmpty() && isSpace(bytes.back()))
            bytes.chop(1);
        return bytes;
    }

    qsizetype separatorFrom(qsizetype pos) const
    {
        while (pos < m_bytes.size() && !isSeparator(m_bytes[pos]))
            ++pos;
        return pos;
    }

    void skipSpaces()
    {
        while (m_pos < m_bytes.size() && isSpace(m_bytes[m_pos]))
            ++m_pos;
    }

    // A comma, CR, LF or CR LF ends a field, so six fields over several lines read as one line.
    void skipSeparator()
    {
        if (m_pos >= m_bytes.size())
            return;
        const char separator = m_bytes[m_pos++];
        if (separator == '\r' && m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
            ++m_pos;
    }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

FieldValue toFieldValue(const Field &field)
{
    if (field.quoted)
        return FieldValue::text(field.text);
    if (field.text.isEmpty())
        return FieldValue();
    if (const std::optional<double> number = numberFromText(field.text))
        return FieldValue::number(*number);
    return FieldValue::text(field.text);
}

std::int32_t toInt32(double value)
{
    using Limits = std::numeric_limits<std::int32_t>;
    const double whole = std::nearbyint(value);
    if (whole >= Limits::max())
        return Limits::max();
    if (whole <= Limits::min())
        return Limits::min();
    return static_cast<std::int32_t>(whole);
}

void store(HighScoreTable &table, int index, const Field &field)
{
    switch (index) {
    case 0: table.HighScore1 = toFieldValue(field); break;
    case 1: table.HighName1 = toFieldValue(field); break;
    case 2: table.HighScore2 = toFieldValue(field); break;
    case 3: table.HighName2 = toFieldValue(field); break;
    case 4: table.HighScore3 = toInt32(toFieldValue(field).recordValue()); break;
    case 5: table.HighName3 = field.text; break;
    }
}

QString fieldText(const FieldValue &value)
{
    switch (value.kind()) {
    case FieldValue::Kind::Empty: return QString();
    case FieldValue::Kind::Number: return fieldNumberText(value.numberValue());
    case FieldValue::Kind::Text: return u'"' + value.textValue() + u'"';
    }
    return QString();
}

// The fields joined by commas in code page 932; nothing when they cannot be written.
std::optional<QByteArray> encodeFields(std::span<const FieldValue> fields)
{
    QStringList texts;
    for (const FieldValue &field : fields) {
        if (field.textValue().contains(u'"'))
            return std::nullopt;
        texts += fieldText(field);
    }
    return encodeCp932(texts.join(u','));
}

} // namespace

LoadResult readHighScores(QByteArrayView bytes, HighScoreTable &table)
{
    FieldReader reader(bytes);
    LoadResult result;
    for (; result.fieldsRead < 6; ++result.fieldsRead) {
        const std::optional<Field> field = reader.next();
        if (!field) {
            result.outcome = LoadOutcome::EndedEarly;
            break;
        }
        store(table, result.fieldsRead, *field);
    }
    return result;
}

std::optional<QByteArray> encodeHighScoreLine(const HighScoreFields &fields)
{
    std::optional<QByteArray> line = encodeFields(fields);
    if (line)
        *line += "\r\n";
    if (line && line->size() > kMaxHighScoreBytes)
        return std::nullopt;
    return line;
}

HighScoreFields withWritableSlots(HighScoreFields fields, int keep)
{
    const HighScoreFields reset = resetHighScoreFields();
    for (int slot = 1; slot <= 3; ++slot) {
        if (slot == keep)
            continue;
        const std::size_t index = 2 * static_cast<std::size_t>(slot - 1);
        const std::optional<QByteArray> bytes = encodeFields(std::span(fields).subspan(index, 2));
        if (!bytes || bytes->size() > kMaxSlotBytes) {
            fields[index] = reset[index];
            fields[index + 1] = reset[index + 1];
        }
    }
    return fields;
}

} // namespace lumora
