#include "about/GetKeyValue.h"
#include "about/SysInfoKeys.h"

#include <QScopeGuard>
#include <QSettings>
#include <QTest>

using namespace lumora;
using namespace Qt::StringLiterals;

class RegistryWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    // Against Windows' own registry: the value written as an installer writes it, removed again.
    void windowsOwnRegistryIsRead_data()
    {
        // clang-format off
        QTest::addColumn<QVariant>("stored");  // invalid: none
        QTest::addColumn<QString>("read");     // null: GetKeyValue is false
        QTest::newRow("a text") << QVariant(R"(C:\T\info.exe)") << R"(C:\T\info.exe)";
        QTest::newRow("a number") << QVariant(10) << "&hA";
        QTest::newRow("none") << QVariant() << QString();
        // clang-format on
    }

    void windowsOwnRegistryIsRead()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, read);
        QSettings key(u"HKEY_LOCAL_MACHINE\\"_s + kSysInfoToolKey, QSettings::NativeFormat);
        if (key.contains(kSysInfoToolValue))
            QSKIP("this machine names a system-information tool of its own; it is left alone");
        const auto remove = qScopeGuard([&] { key.remove(kSysInfoToolValue); });
        if (stored.isValid())
            key.setValue(kSysInfoToolValue, stored);
        key.sync();
        std::string keyVal;
        const bool found =
            GetKeyValue(*systemRegistry(), HKEY_LOCAL_MACHINE, kSysInfoToolKey, kSysInfoToolValue, keyVal);
        QCOMPARE(found ? QString::fromStdString(keyVal) : QString(), read);
    }
};

QTEST_GUILESS_MAIN(RegistryWindowsTest)
#include "tst_registry_win.moc"
