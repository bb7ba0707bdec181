#include "support/TestMain.h"

#include <QApplication>
#include <QTest>

// Runs every registered class, each with the command line's options, and fails if any failed.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int failures = 0;
    for (const auto &create : lumora::test::registeredTestClasses()) {
        const std::unique_ptr<QObject> tests = create();
        failures += QTest::qExec(tests.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
