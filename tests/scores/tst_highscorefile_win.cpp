#include "scores/HighScoreFile_p.h"
#include "scores/HighScoreTestSupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QTest>

#include <thread>

#include <windows.h>

using namespace lumora;
using namespace Qt::StringLiterals;

// Windows' own refusals, staged with its sharing modes and attributes (Wine enforces them too).
class HighScoreFileWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    // Each refusal is told in Japanese; a file held for a moment, as a scanner holds it, is read
    // and saved once let go; a read-only one is refused as such, not waited for as a hold. A hold
    // for good failed the re-read, and the record was saved over the file from defaults.
    void windowsRefusalsAreToldInJapaneseAndAMomentsHoldIsWaitedOut_data()
    {
        // clang-format off
        QTest::addColumn<DWORD>("sharing");  // of a handle that holds the file
        QTest::addColumn<int>("heldMs");     // -1: for good
        QTest::addColumn<QString>("at");     // what stands at the path
        QTest::addColumn<QString>("reason");  // empty: saved
        const DWORD all = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
        QTest::newRow("held without sharing for 300 ms") << DWORD(0) << 300 << "file" << QString();
        QTest::newRow("held without sharing for good") << DWORD(0) << -1 << "file" << u"ファイルを読み取れません（ほかのプログラムがファイルを使用中です）。"_s;
        QTest::newRow("a read-only file") << all << 0 << "read-only" << u"ファイルに書き込めません（読み取り専用のファイルです）。"_s;
        QTest::newRow("a folder") << all << 0 << "folder" << u"ファイルに書き込めません（"_s + fileErrorText(FileError::FolderInPlace) + u"）。"_s;
        // clang-format on
    }

    void windowsRefusalsAreToldInJapaneseAndAMomentsHoldIsWaitedOut()
    {
        QFETCH(DWORD, sharing);
        QFETCH(int, heldMs);
        QFETCH(QString, at);
        QFETCH(QString, reason);
        const test::TempHighScoreFile file;
        QVERIFY(at == "folder" ? QDir().mkpath(file.path()) : (file.write(test::kResetLine), true));
        const std::wstring path = QDir::toNativeSeparators(file.path()).toStdWString();
        QVERIFY(at != "read-only" || SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
        const HANDLE hold = CreateFileW(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        std::jthread letGo([&] {
            heldMs >= 0 && (std::this_thread::sleep_for(std::chrono::milliseconds(heldMs)), CloseHandle(hold));
        });
        const QDeadlineTimer bound(3 * kMomentaryRetryMs);
        // As a record saves: the file read again under the lock, then replaced.
        HighScoreSave save;
        HighScoreTable current;
        save.read(current);
        save.replace(encodeHighScoreLine(test::kPrevious.fields()));
        const std::optional<SaveFailure> failure = save.finish();
        const bool inTime = !bound.hasExpired();
        letGo.join();
        if (heldMs < 0)
            CloseHandle(hold);
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL); // so that the folder can go
        QVERIFY(inTime);
        QCOMPARE(failure ? saveFailureMessage(*failure).section(u'\n', 2) : QString(), reason);
        QCOMPARE(file.bytes(),
                 reason.isEmpty()     ? encodeHighScoreLine(test::kPrevious.fields()).value_or(QByteArray())
                     : at == "folder" ? ""_ba
                                      : test::kResetLine);
        QCOMPARE(QDir(file.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"LumoraHigh.Dll", "LumoraHigh.Dll.lock"}));
    }
};

QTEST_GUILESS_MAIN(HighScoreFileWindowsTest)
#include "tst_highscorefile_win.moc"
