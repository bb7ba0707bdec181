#include "levels/LevelForm.h"
#include "support/WindowTestSupport.h"
#include "ui/Handler.h"

#include "support/TestMain.h"
#include <QTest>

using namespace lumora;

class RuntimeErrorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareProgram(); }
    void cleanup() { test::discardAllWindows(); }

    void anUntrappedErrorIsReportedOnceAndEndsTheProgram_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("report");
        QTest::newRow("overflow") << int(ErrorCode::Overflow) << "実行時エラー '6':\n\nOverflow";
        QTest::newRow("division") << int(ErrorCode::DivisionByZero) << "実行時エラー '11':\n\nDivision by zero";
        QTest::newRow("file") << int(ErrorCode::FileNotFound) << "実行時エラー '53':\n\nFile not found";
        QTest::newRow("past end") << int(ErrorCode::InputPastEndOfFile) << "実行時エラー '62':\n\nInput past end of file";
        QTest::newRow("access") << int(ErrorCode::PathFileAccessError) << "実行時エラー '75':\n\nPath/File access error";
    }

    void anUntrappedErrorIsReportedOnceAndEndsTheProgram()
    {
        QFETCH(int, code);
        QFETCH(QString, report);
        test::ScriptedDialogs dialogs;
        ui::DialogsOverride useDialogs(dialogs);
        frmFirst().showForm();
        bool after = false;
        ui::runHandler([&] {
            raise(ErrorCode(code));
            after = true;
        });
        QVERIFY(!after);
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages.front().prompt, report);
        QVERIFY(test::loadedFormNames().isEmpty());
    }

    void aFailedOperationOnAControlIsARuntimeError()
    {
        test::ScriptedDialogs dialogs;
        ui::DialogsOverride useDialogs(dialogs);
        LevelForm &form = frmFirst();
        // A board of 25 has no button 26.
        ui::runHandler([&] { form.control("cmdNumbar", 26); });
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QVERIFY(dialogs.messages.front().prompt.startsWith(QStringLiteral("実行時エラー '340'")));
    }
};

LUMORA_REGISTER_TEST(RuntimeErrorTest)
#include "tst_runtimeerrors.moc"
