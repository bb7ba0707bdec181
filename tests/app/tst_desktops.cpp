#include "about/AboutForm.h"
#include "app/LevelSelectionForm.h"
#include "app/SplashForm.h"
#include "levels/RoundServices.h"
#include "levels/SeededRandom.h"
#include "scores/HighScoreForm.h"
#include "scores/HighScoreTestSupport.h"
#include "support/RoundDriving.h"
#include "ui/HighContrast.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QPlainTextEdit>

#include <cmath>
#include <map>

using namespace lumora;

namespace {

using Opening = std::function<ui::Form &()>;

double luminance(QRgb rgb)
{
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const auto [dark, light] = std::minmax(luminance(a), luminance(b));
    return (light + 0.05) / (dark + 0.05);
}

// A text the window shows: where it stands, in the window's logical pixels, and its size.
struct Text
{
    QString what;
    QRect box;
    double points;
};

double pointsOf(const QFont &font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96;
}

// Every non-blank text shown in `window`, each wiped once listed, so a second grab shows what
// lies behind it.
std::vector<Text> takeTexts(QWidget &window)
{
    std::vector<Text> texts;
    const auto add = [&](QWidget &w, const QString &text, QRect box) {
        if (!text.trimmed().isEmpty())
            texts.push_back(
                {w.objectName() + u' ' + text, QRect(w.mapTo(&window, box.topLeft()), box.size()), pointsOf(w.font())});
    };
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (!w->isVisibleTo(&window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            add(*w, label->text(), w->rect());
            label->clear();
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            add(*w, button->text(), w->rect());
            button->setText({});
        } else if (auto *frame = qobject_cast<QGroupBox *>(w)) {
            add(*w, frame->title(), w->rect());
            frame->setTitle({});
        } else if (auto *edit = qobject_cast<QPlainTextEdit *>(w)) {
            add(*w, edit->toPlainText(), w->rect());
            edit->clear();
        } else if (auto *bar = qobject_cast<QMenuBar *>(w)) {
            for (QAction *entry : bar->actions())
                add(*w, entry->text(), bar->actionGeometry(entry));
            for (QAction *entry : bar->actions())
                entry->setText(QStringLiteral("\u3000"));
        }
    }
    return texts;
}

// The colour a text is drawn in and the one it is drawn on, as drawn: the pixels the text
// changes, the commonest colour under them without it, and the one furthest from that.
std::pair<QRgb, QRgb> drawnColours(const QImage &with, const QImage &without, QRect box)
{
    const QRect pixels =
        QRect(box.topLeft() * with.devicePixelRatio(), box.size() * with.devicePixelRatio()).intersected(with.rect());
    std::map<QRgb, int> under;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                ++under[without.pixel(x, y)];
    if (under.empty())
        return {0, 0};
    const QRgb background =
        std::max_element(under.begin(), under.end(), [](auto &a, auto &b) { return a.second < b.second; })->first;
    QRgb text = background;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)
                && contrast(with.pixel(x, y), background) > contrast(text, background))
                text = with.pixel(x, y);
    return {text, background};
}

QPalette darkDesktop()
{
    // qt6ct's "darker" scheme, as a KDE-like dark desktop hands it to the game.
    return QPalette(Qt::white, QColor(0x424245), QColor(0x979797), QColor(0x302f2e), QColor(0x4a4947), Qt::white,
                    Qt::white, QColor(0x3d3d3d), QColor(0x222020));
}

QPalette highContrastBlack()
{
    // Windows' High Contrast Black, as GetSysColor gives it to Qt's palette.
    QPalette p(Qt::white, Qt::black, Qt::white, QColor(0x80, 0x80, 0x80), QColor(0x40, 0x40, 0x40), Qt::white,
               Qt::white, Qt::black, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0x1a, 0xeb, 0xff));
    return p;
}

LevelForm &playing(LevelForm &form, test::FixedClock &clock)
{
    form.showForm();
    clock.seconds = 100;
    form.cmdAgain_Click();
    test::clickNumber(form, 2); // a wrong click: the points go below zero
    return form;
}

LevelForm &finished(LevelForm &form, test::FixedClock &clock)
{
    form.showForm();
    test::playPerfectRound(form, clock, 100, 130);
    return form;
}

} // namespace

Q_DECLARE_METATYPE(Opening)

// Every window readable and sharp on the desktops players have: dark, high contrast, 100 to 200 %.
class DesktopsTest : public QObject
{
    Q_OBJECT

    test::FixedClock m_clock;
    SeededRandom m_random;
    RoundServicesOverride m_services{m_clock, m_random};
    test::ScriptedDialogs m_dialogs;
    ui::DialogsOverride m_useDialogs{m_dialogs};
    test::TempHighScoreFile m_scores;

private slots:
    void initTestCase() { test::prepareWindows(); }
    void init() { m_scores.write("12250,\"Sasa\",9120,\"Kawa\",4170,\"ab\"\r\n"); }
    void cleanup()
    {
        test::discardAllWindows();
        QApplication::setPalette(QPalette());
    }

    void everyTextKeepsItsContrast_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<bool>("highContrast");
        QTest::addColumn<Opening>("open");
        test::FixedClock &clock = m_clock;
        const std::vector<std::pair<const char *, Opening>> windows = {
            {"splash", []() -> ui::Form & { return frmSplash(); }},
            {"level selection", []() -> ui::Form & { return frmMain(); }},
            {"初級 before a round", []() -> ui::Form & { return frmFirst(); }},
            {"初級 below zero", [&clock]() -> ui::Form & { return playing(frmFirst(), clock); }},
            {"初級 finished", [&clock]() -> ui::Form & { return finished(frmFirst(), clock); }},
            {"中級 below zero", [&clock]() -> ui::Form & { return playing(frmSecond(), clock); }},
            {"中級 finished", [&clock]() -> ui::Form & { return finished(frmSecond(), clock); }},
            {"上級 below zero", [&clock]() -> ui::Form & { return playing(frmThird(), clock); }},
            {"上級 finished", [&clock]() -> ui::Form & { return finished(frmThird(), clock); }},
            {"high scores", []() -> ui::Form & { return frmHighScore(); }},
            {"About", []() -> ui::Form & { return frmAbout(); }},
        };
        for (const auto &[name, open] : windows) {
            QTest::addRow("dark, %s", name) << darkDesktop() << false << open;
            QTest::addRow("high contrast, %s", name) << highContrastBlack() << true << open;
        }
    }

    // The designs' dark texts vanished on a dark desktop's background; the game's own name first.
    // Under high contrast, the texts are drawn on the theme's own background.
    void everyTextKeepsItsContrast()
    {
        QFETCH(QPalette, palette);
        QFETCH(bool, highContrast);
        QFETCH(Opening, open);
        QApplication::setPalette(palette);
        ui::HighContrastOverride theme(highContrast);
        ui::Form &window = open();
        window.showForm();
        const QImage with = window.grab().toImage();
        const std::vector<Text> texts = takeTexts(window);
        const QImage without = window.grab().toImage();
        QStringList failures;
        for (const Text &text : texts) {
            const auto [colour, background] = drawnColours(with, without, text.box);
            const double ratio = contrast(colour, background);
            if (ratio < (text.points >= 18 ? 3.0 : 4.5))
                failures << QStringLiteral("%1: %2 : 1").arg(text.what).arg(ratio, 0, 'f', 2);
            if (highContrast && contrast(background, palette.color(QPalette::Window).rgb()) > 1.5)
                failures << QStringLiteral("%1 on %2").arg(text.what, QColor(background).name());
        }
        QVERIFY(!texts.empty());
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
    }

    void eachPictureHasTheDevicePixelsOfItsBox_data()
    {
        QTest::addColumn<Opening>("open");
        QTest::addColumn<QString>("picture");
        QTest::newRow("the splash's clock") << Opening([]() -> ui::Form & { return frmSplash(); }) << "imgLogo";
        QTest::newRow("the About window's clock") << Opening([]() -> ui::Form & { return frmAbout(); }) << "picIcon";
    }

    // Run at each scaling by CTest (QT_SCALE_FACTOR): a 32 px image stretched to the box was soft
    // at every scaling above 100 %.
    void eachPictureHasTheDevicePixelsOfItsBox()
    {
        QFETCH(Opening, open);
        QFETCH(QString, picture);
        const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        ui::Form &window = open();
        window.showForm();
        auto &box = window.controlAs<ui::PictureLabel>(picture.toStdString());
        QCOMPARE(box.devicePixelRatioF(), ratio);
        box.grab();
        QCOMPARE(box.drawn().size(), (QSizeF(box.size()) * ratio).toSize());
        QCOMPARE(box.drawn().devicePixelRatio(), ratio);
    }
};

QTEST_MAIN(DesktopsTest)
#include "tst_desktops.moc"
