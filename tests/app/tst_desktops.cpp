#include "about/AboutForm.h"
#include "app/LevelSelectionForm.h"
#include "app/SplashForm.h"
#include "scores/HighScoreForm.h"
#include "support/RoundDriving.h"
#include "ui/HighContrast.h"
#include "ui/Widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QStyle>

#include <cmath>
#include <map>

using namespace lumora;
using Opening = std::function<ui::Form &()>;
Q_DECLARE_METATYPE(Opening)

namespace {

double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb c) {
        const auto linear = [](int v) { return v <= 10 ? v / 3294.6 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

LevelForm &belowZero(LevelForm &form)
{
    form.cmdAgain_Click();
    test::clickNumber(form, 2);
    return form;
}

} // namespace

// Every window readable and sharp on the desktops players have: dark, high contrast, 100 to 200 %.
class DesktopsTest : public QObject
{
    Q_OBJECT

    test::PlayingSeams m_play;

private slots:
    void initTestCase() { test::prepareProgram(); }
    void cleanup()
    {
        test::discardAllWindows();
        QApplication::setPalette(QPalette());
    }

    void everyTextIsReadableAndEveryPictureSharpAndNamed_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<Opening>("open");
        const std::vector<std::pair<const char *, Opening>> windows = {
            {"splash", frmSplash},
            {"level selection", frmMain},
            {"初級 before a round", frmFirst},
            {"初級 below zero", []() -> ui::Form & { return belowZero(frmFirst()); }},
            {"中級 below zero", []() -> ui::Form & { return belowZero(frmSecond()); }},
            {"上級 below zero", []() -> ui::Form & { return belowZero(frmThird()); }},
            {"初級 finished",
             [this]() -> ui::Form & {
                 test::playPerfectRound(frmFirst(), m_play.clock, 100, 130);
                 return frmFirst();
             }},
            {"high scores",
             []() -> ui::Form & {
                 QFile file(HighScoreFile());
                 if (file.open(QIODevice::WriteOnly))
                     file.write("12250,\"Sasa\",9120,\"Kawa\",4170,\"ab\"\r\n");
                 file.close();
                 return frmHighScore();
             }},
            {"About", frmAbout},
        };
        // qt6ct's "darker" scheme, as a KDE-like dark desktop hands it; Windows' High Contrast Black.
        const QPalette dark(Qt::white, QColor(0x424245), QColor(0x979797), QColor(0x302f2e), QColor(0x4a4947),
                            Qt::white, Qt::white, QColor(0x3d3d3d), QColor(0x222020));
        const QPalette highContrast(Qt::white, Qt::black, Qt::white, Qt::gray, Qt::darkGray, Qt::white, Qt::white,
                                    Qt::black, Qt::black);
        for (const auto &[name, open] : windows) {
            QTest::addRow("dark, %s", name) << dark << open;
            QTest::addRow("high contrast, %s", name) << highContrast << open;
        }
    }

    // The designs' dark texts vanished on a dark desktop, the game's own name first; under high
    // contrast every text is to stand on the theme's background. Each text is measured as drawn,
    // against the commonest colour of its box. CTest runs it again at 125, 150 and 200 %
    // (QT_SCALE_FACTOR): a 32 px clock stretched to its box was soft above 100 %. Each picture is
    // an image with a name to assistive tools.
    void everyTextIsReadableAndEveryPictureSharpAndNamed()
    {
        QFETCH(QPalette, palette);
        QFETCH(Opening, open);
        QApplication::setPalette(palette);
        const bool highContrast = palette.window().color() == Qt::black;
        const ui::HighContrastOverride theme(highContrast);
        ui::Form &window = open();
        window.showForm();
        const QImage shot = window.grab().toImage();
        const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        QCOMPARE(shot.devicePixelRatio(), ratio);
        for (QWidget *w : window.findChildren<QWidget *>()) {
            if (auto *picture = qobject_cast<ui::PictureLabel *>(w)) {
                QCOMPARE(picture->drawn().size(), (QSizeF(picture->size()) * ratio).toSize());
                // They saw an empty label without a name.
                const QAccessibleInterface *seen = QAccessible::queryAccessibleInterface(picture);
                QVERIFY(seen->role() == QAccessible::Graphic && !seen->text(QAccessible::Name).isEmpty());
            }
            const QString text =
                w->property("text").toString() + w->property("title").toString() + w->property("plainText").toString();
            if (!w->isVisibleTo(&window) || text.trimmed().isEmpty())
                continue;
            // A frame's title stands at its top, the rest of it holds other controls; a label's text
            // alone, as the boxes of neighbouring labels overlap.
            QRect box =
                qobject_cast<QGroupBox *>(w) ? QRect(0, 0, w->width(), w->fontMetrics().height()) : w->contentsRect();
            if (auto *label = qobject_cast<QLabel *>(w))
                box &= QStyle::alignedRect(Qt::LeftToRight, label->alignment(), w->fontMetrics().size(0, text), box);
            const QRect pixels(w->mapTo(&window, box.topLeft()) * ratio, box.size() * ratio);
            std::map<QRgb, int> colours;
            for (int y = pixels.top(); y <= pixels.bottom(); ++y)
                for (int x = pixels.left(); x <= pixels.right(); ++x)
                    ++colours[shot.pixel(x, y)];
            const QRgb background = std::max_element(colours.begin(), colours.end(), [](auto &a, auto &b) {
                                        return a.second < b.second;
                                    })->first;
            double best = 1;
            for (const auto &[colour, count] : colours)
                best = std::max(best, contrast(colour, background));
            QVERIFY2(best >= (QFontInfo(w->font()).pointSizeF() >= 18 ? 3 : 4.5), qPrintable(text));
            QVERIFY2(!highContrast || contrast(background, Qt::black) < 1.5, qPrintable(text));
        }
    }
};

QTEST_MAIN(DesktopsTest)
#include "tst_desktops.moc"
