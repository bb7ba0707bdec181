// Code page 932 from glibc's CP932 table, which holds every double-byte code as Windows does;
// the rules around it (which bytes pair, what an unknown code reads as, the few single bytes
// glibc lacks, refusing look-alikes) are Windows' own.
#include "scores/CodePage932.h"

#include <iconv.h>

#include <array>

namespace lumora {

namespace {

// Windows' default character for code page 932: what a code with no character reads as.
constexpr char16_t kNoCharacter = u'・';

bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Single bytes beyond ASCII and the half-width katakana: Windows gives each a character of its
// own, glibc none.
struct Single
{
    unsigned char byte;
    char16_t character;
};
constexpr Single kWindowsSingles[] = {
    {0x80, u'\u0080'}, {0xA0, u'\uF8F0'}, {0xFD, u'\uF8F1'}, {0xFE, u'\uF8F2'}, {0xFF, u'\uF8F3'},
};
constexpr unsigned char kFirstKatakanaByte = 0xA1;
constexpr unsigned char kLastKatakanaByte = 0xDF;
constexpr char16_t kFirstKatakana = u'\uFF61';

// One direction of glibc's converter, opened once: only the UI thread converts.
class Iconv
{
public:
    Iconv(const char *to, const char *from)
        : m_cd(iconv_open(to, from))
    {
    }
    ~Iconv()
    {
        if (m_cd != kInvalid)
            iconv_close(m_cd);
    }
    Iconv(const Iconv &) = delete;
    Iconv &operator=(const Iconv &) = delete;

    // The bytes `in` converts to, when it converts whole; empty otherwise.
    QByteArray convert(QByteArrayView in)
    {
        if (m_cd == kInvalid)
            return {};
        std::array<char, 8> out{};
        char *inPtr = const_cast<char *>(in.data());
        size_t inLeft = size_t(in.size());
        char *outPtr = out.data();
        size_t outLeft = out.size();
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0)
            return {};
        return QByteArray(out.data(), outPtr - out.data());
    }

private:
    // iconv_open's value for failure.
    static inline const iconv_t kInvalid = reinterpret_cast<iconv_t>(-1); // NOLINT(performance-no-int-to-ptr)
    iconv_t m_cd;
};

char16_t decodePair(unsigned char lead, unsigned char trail)
{
    static Iconv toUtf16("UTF-16LE", "CP932");
    const char pair[] = {char(lead), char(trail)};
    const QByteArray unit = toUtf16.convert(QByteArrayView(pair, 2));
    if (unit.size() != 2)
        return kNoCharacter;
    return char16_t(static_cast<unsigned char>(unit[0]) | static_cast<unsigned char>(unit[1]) << 8);
}

char16_t decodeSingle(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte >= kFirstKatakanaByte && byte <= kLastKatakanaByte)
        return char16_t(kFirstKatakana + (byte - kFirstKatakanaByte));
    for (const Single &single : kWindowsSingles) {
        if (single.byte == byte)
            return single.character;
    }
    return kNoCharacter;
}

// The bytes of one UTF-16 code unit, or empty when it has no code of its own.
QByteArray encodeUnit(char16_t unit)
{
    if (unit < 0x80)
        return QByteArray(1, char(unit));
    if (unit >= kFirstKatakana && unit <= kFirstKatakana + (kLastKatakanaByte - kFirstKatakanaByte))
        return QByteArray(1, char(kFirstKatakanaByte + (unit - kFirstKatakana)));
    for (const Single &single : kWindowsSingles) {
        if (single.character == unit)
            return QByteArray(1, char(single.byte));
    }
    static Iconv fromUtf16("CP932", "UTF-16LE");
    const char utf16le[] = {char(unit & 0xFF), char(unit >> 8)};
    QByteArray bytes = fromUtf16.convert(QByteArrayView(utf16le, 2));
    // glibc writes a few characters as JIS look-alikes (¥ as 5C, — as 81 5C); Windows refuses
    // every character whose bytes do not read back as itself.
    if (bytes.size() != 2
        || decodePair(static_cast<unsigned char>(bytes[0]), static_cast<unsigned char>(bytes[1])) != unit)
        return {};
    return bytes;
}

} // namespace

QString decodeCp932(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (!isLeadByte(byte)) {
            text += QChar(decodeSingle(byte));
        } else if (i + 1 < bytes.size() && bytes[i + 1] != '\0') {
            text += QChar(decodePair(byte, static_cast<unsigned char>(bytes[++i])));
        } else {
            text += QChar(kNoCharacter);
        }
    }
    return text;
}

std::optional<QByteArray> encodeCp932(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar character : text) {
        const QByteArray code = encodeUnit(character.unicode());
        if (code.isEmpty())
            return std::nullopt;
        bytes += code;
    }
    return bytes;
}

} // namespace lumora
