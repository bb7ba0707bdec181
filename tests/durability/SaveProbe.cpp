// What tst_savefaults runs under strace: one record saved as a round's finish saves it (a load,
// then the save's steps under the lock), or one Clear, into the file named on the command line.
// Between two marks strace shows, so that the test fails only the save's own system calls. Prints
// the load's outcome and reason, the table it left, whether the save was done and the message
// that tells the player why not, a line each.
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
    HighScoreSave save;
    HighScoreTable current;
    if (record)
        save.read(current);
    save.replace(encodeHighScoreLine(record ? withSlot(current.fields(), 2, 999999, "NEW") : resetHighScoreFields()));
    const std::optional<SaveFailure> failure = save.finish();
    ::access("/lumora-save-probe/end", F_OK);
    QTextStream(stdout) << int(load.outcome) << '\n'
                        << (load.error ? fileErrorText(load.error) : QString()) << '\n'
                        << encodeHighScoreLine(table.fields()).value_or(QByteArray()).toHex() << '\n'
                        << (failure ? "failed" : "saved") << '\n'
                        << (failure ? saveFailureMessage(*failure) : QString()) << '\n';
    return 0;
}
