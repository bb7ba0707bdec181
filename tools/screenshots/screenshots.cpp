// Renders every window of the game, in the states the README shows, to PNG files.
// Usage: screenshots OUTPUT_DIR   (run with QT_QPA_PLATFORM=offscreen or under Xvfb)
#include "app/LevelSelectionForm.h"
#include "app/SplashForm.h"
#include "levels/LevelForm.h"
#include "levels/RoundServices.h"
#include "levels/SeededRandom.h"
#include "scores/HighScoreFile.h"
#include "scores/HighScoreForm.h"
#include "ui/Fonts.h"
#include "core/VersionText.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>

using namespace lumora;

namespace {

class SteppingClock final : public Clock
{
public:
    float seconds = 43200;
    float secondsSinceMidnight() override { return seconds; }
};

void clickNumber(LevelForm &form, int number)
{
    for (int index = 1; index <= form.level().boardSize; ++index) {
        if (form.control<"cmdNumbar">(index).text() == QString::number(number))
            form.cmdNumbar_Click(static_cast<std::int16_t>(index));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    out.mkpath(QStringLiteral("."));
    ui::installFontSubstitutes();
    buildVersionText();
    SteppingClock clock;
    SeededRandom random;
    RoundServicesOverride services(clock, random);
    const QString scores = out.filePath(QStringLiteral("LumoraHigh.Dll"));
    const HighScoreFileOverride useScores(scores);
    QFile file(scores);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray("12250,\"") + QByteArray::fromHex("905896EC814091BE9859")
                   + QByteArray("\",9120,\"Sasa\",4170,\"ab\"\r\n"));
    file.close();

    const auto save = [&](QWidget &window, const char *name) {
        QApplication::processEvents();
        window.grab().save(out.filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
    };
    frmSplash().showForm();
    save(frmSplash(), "splash");
    frmMain().showForm();
    save(frmMain(), "level-selection");

    LevelForm &beginner = frmFirst();
    beginner.showForm();
    save(beginner, "beginner-ready");
    beginner.cmdStart_Click();
    clickNumber(beginner, 1);
    clickNumber(beginner, 3);
    clickNumber(beginner, 2);
    save(beginner, "beginner-playing");
    for (int number = 3; number <= 25; ++number) {
        clock.seconds = 43221.2f;
        clickNumber(beginner, number);
    }
    save(beginner, "beginner-finished");

    LevelForm &advanced = frmThird();
    advanced.showForm();
    advanced.cmdStart_Click();
    save(advanced, "advanced-playing");

    beginner.menHigh_Click();
    save(frmHighScore(), "high-scores");
    QFile::remove(scores);
    return 0;
}
