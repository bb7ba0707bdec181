#include "scores/HighScoreFormat.h"

#include <cstdint>
#include <cstdlib>

using namespace lumora;

// Any bytes load without a crash, a hang or a sanitizer report; whatever a load gives can be
// saved again (short of a line too long to write) and reads back as the same table.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    HighScoreTable table;
    const LoadResult result = readHighScores(QByteArrayView(data, qsizetype(size)), table);
    if (result.fieldsRead < 0 || result.fieldsRead > 6 || result.loaded() != (result.fieldsRead == 6))
        std::abort();

    // Writing adds at most quotes and a few characters per field to what was read.
    const std::optional<QByteArray> line = encodeHighScoreLine(table.fields());
    if (!line) {
        if (qsizetype(size) < kMaxHighScoreBytes / 2)
            std::abort();
        return 0;
    }
    HighScoreTable again;
    if (!readHighScores(*line, again).loaded() || !(again == table))
        std::abort();
    return 0;
}
