// What tst_savefaults runs under strace: one record saved as a round's finish saves it (a load,
// then the save under the lock), or one Clear, into the file named on the command line. Between
// two marks strace shows, so that the test fails only the save's own system calls. Prints the
// load's outcome and reason, the table it left, and the save's outcome and reason, a line each.
#include "scores/HighScoreFile.h"

#include <QTextStream>

#include <unistd.h>

using namespace lumora;

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    const HighScoreFileOverride place(QString::fromLocal8Bit(argv[1]));
    const bool record = qstrcmp(argv[2], "record") == 0;
    ::access("/lumora-save-probe/begin", F_OK);
    HighScoreTable table;
    const LoadResult load = record ? LoadHighScores(table) : LoadResult{};
    // From the table a failed round-start load leaves, so that only the save's own reading keeps
    // the other records.
    const SaveResult save = record
        ? UpdateHighScores(
            HighScoreTable(),
            [](const HighScoreTable &current) { return std::optional(withSlot(current.fields(), 2, 999999, "NEW")); })
        : SaveHighScores(resetHighScoreFields());
    ::access("/lumora-save-probe/end", F_OK);
    QTextStream(stdout) << int(load.outcome) << '\n'
                        << load.reason << '\n'
                        << encodeHighScoreLine(table.fields()).bytes.toHex() << '\n'
                        << int(save.outcome) << '\n'
                        << save.reason << '\n';
    return 0;
}
