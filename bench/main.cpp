// Runs the round's and the save's benchmarks on an offscreen QApplication.
#include "EngineBoard.h"
#include "PlainGrid.h"
#include "RoundBenchmarks.h"
#include "SaveBenchmarks.h"
#include "WindowBoard.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace lumora;

int main(int argc, char *argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    // A data folder of their own, so no benchmark reaches the player's high scores.
    const QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::prepareProgram();
    // Any box the game opens is answered at once: a benchmark must never wait for a person.
    test::ScriptedDialogs dialogs;
    const ui::DialogsOverride dialogsOverride(dialogs);

    benchmark::AddCustomContext("qt_version", qVersion());
    benchmark::AddCustomContext("qt_platform", QApplication::platformName().toStdString());
    bench::registerRoundBenchmarks<bench::EngineBoard>("engine");
    bench::registerRoundBenchmarks<bench::WindowBoard>("window");
    bench::registerRoundBenchmarks<bench::PlainGrid>("plain");
    bench::registerSaveBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
