// Writes every conversion of code page 932 the game can make, one per line, so that two builds'
// tables can be compared line by line:
//   D1 XX -> UUUU               each single byte read
//   D2 LLTT -> UUUU [UUUU]       each lead byte followed by each byte read
//   E UUUU -> XX [XX]|refused    each UTF-16 code unit written
// The file is named on the command line: a Windows program's standard output can be lost.
#include "scores/CodePage932.h"

#include <QFile>
#include <QTextStream>

#include <cstdio>

using lumora::decodeCp932;
using lumora::encodeCp932;

namespace {

QString hex(unsigned value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

void writeDecoded(QTextStream &out, const QString &label, QByteArrayView bytes)
{
    out << label << " ->";
    for (const QChar unit : decodeCp932(bytes))
        out << ' ' << hex(unit.unicode(), 4);
    out << '\n';
}

bool isLeadByte(unsigned byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: cp932_table OUTPUT_FILE\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cp932_table: %s\n", qPrintable(file.errorString()));
        return 1;
    }
    QTextStream out(&file);
    for (unsigned byte = 0; byte < 0x100; ++byte) {
        const char single = char(byte);
        writeDecoded(out, "D1 " + hex(byte, 2), QByteArrayView(&single, 1));
    }
    for (unsigned lead = 0; lead < 0x100; ++lead) {
        if (!isLeadByte(lead))
            continue;
        for (unsigned trail = 0; trail < 0x100; ++trail) {
            const char pair[] = {char(lead), char(trail)};
            writeDecoded(out, "D2 " + hex(lead, 2) + hex(trail, 2), QByteArrayView(pair, 2));
        }
    }
    for (unsigned unit = 0; unit < 0x10000; ++unit) {
        const QChar character{char16_t(unit)};
        out << "E " << hex(unit, 4) << " ->";
        if (const std::optional<QByteArray> bytes = encodeCp932(QStringView(&character, 1))) {
            for (const char byte : *bytes)
                out << ' ' << hex(static_cast<unsigned char>(byte), 2);
        } else {
            out << " refused";
        }
        out << '\n';
    }
    out.flush();
    return file.error() == QFileDevice::NoError ? 0 : 1;
}
