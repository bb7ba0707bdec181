#include "support/RaisedError.h"
#include "support/WindowTestSupport.h"
#include "ui/DesignFonts.h"
#include "ui/Fonts.h"
#include "ui/FormRegistry.h"
#include "ui/Handler.h"
#include "ui/Icons.h"

#include <QFontInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

using namespace lumora;
using test::Step;

namespace {

// Two buttons side by side, the default one and the cancel one, the first of a control array.
constexpr ui::FormDesign twoButtons()
{
    // clang-format off
    return {.name = "frmTwoButtons", .clientWidth = 3000, .clientHeight = 1000, .controls = {
        {.kind = ui::ControlKind::CommandButton, .name = "cmdFirst", .width = 900, .height = 400,
         .role = ui::ButtonRole::Default},
        {.kind = ui::ControlKind::CommandButton, .name = "cmdNext", .index = 1, .left = 1200, .width = 900, .height = 400,
         .role = ui::ButtonRole::Cancel},
    }};
    // clang-format on
}
using TwoButtons = ui::FormOf<twoButtons>;

// A window the registry holds, as the program's are.
TwoButtons &frmTwoButtons()
{
    return ui::FormRegistry::reference<TwoButtons>("frmTwoButtons", [] { return new TwoButtons; });
}

} // namespace

// The window runtime: errors a handler leaves untrapped, focus, keys, fonts and icon.
class FormRuntimeTest : public QObject
{
    Q_OBJECT

    test::ScriptedDialogs m_dialogs;
    ui::DialogsOverride m_useDialogs{m_dialogs};

private slots:
    void initTestCase() { test::prepareWindows(); }
    void init() { m_dialogs = test::ScriptedDialogs{}; }
    void cleanup() { test::discardAllWindows(); }

    void anUntrappedErrorIsReportedOnceAndEndsTheProgram_data()
    {
        // clang-format off
        QTest::addColumn<Step>("step");
        QTest::addColumn<QString>("report");
        QTest::newRow("overflow") << Step([] { raise(ErrorCode::Overflow); }) << "実行時エラー '6':\n\nOverflow";
        QTest::newRow("a control array without the element") << Step([] { frmTwoButtons().control<"cmdNext">(2); })
                                                        << "実行時エラー '340':\n\nControl array element does not exist";
        // Any window that had the name was taken for the one asked for.
        QTest::newRow("a window of another class under the name")
            << Step([] {
                   struct Other : ui::Form {};
                   ui::FormRegistry::reference<Other>("frmTwoButtons", []() -> Other * { return nullptr; });
               })
            << "実行時エラー '13':\n\nType mismatch";
        // clang-format on
    }

    void anUntrappedErrorIsReportedOnceAndEndsTheProgram()
    {
        QFETCH(Step, step);
        QFETCH(QString, report);
        frmTwoButtons().showForm();
        bool after = false;
        ui::runHandler([&] {
            step();
            after = true;
        });
        QVERIFY(!after);
        QCOMPARE(m_dialogs.messages.size(), std::size_t(1));
        QCOMPARE(m_dialogs.messages.front().prompt, report);
        QVERIFY(test::loadedFormNames().isEmpty());
    }

    // Each key presses the button a player expects: Space the one with the focus, which a button
    // hidden or disabled by its own click hands on (it kept the focus and still took Space), Return
    // the focused or default one, Escape the cancel one.
    void keysPressTheButtonAPlayerExpects_data()
    {
        // clang-format off
        QTest::addColumn<QString>("firstClick");  // what a click on cmdFirst does to it
        QTest::addColumn<bool>("nextShown");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("pressed");
        const QList<int> spaces = {Qt::Key_Space, Qt::Key_Space};
        QTest::newRow("Space, hidden, to the next button") << "hide" << true << spaces << QStringList{"cmdFirst", "cmdNext"};
        QTest::newRow("Space, hidden, to the window") << "hide" << false << spaces << QStringList{"cmdFirst"};
        QTest::newRow("Space, disabled, to the window") << "disable" << false << spaces << QStringList{"cmdFirst"};
        QTest::newRow("Return, Escape") << "" << true << QList<int>{Qt::Key_Return, Qt::Key_Escape}
                                        << QStringList{"cmdFirst", "cmdNext"};
        // clang-format on
    }

    void keysPressTheButtonAPlayerExpects()
    {
        QFETCH(QString, firstClick);
        QFETCH(bool, nextShown);
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, pressed);
        TwoButtons form;
        QPushButton &first = form.control<"cmdFirst">(), &next = form.control<"cmdNext">(1);
        next.setVisible(nextShown);
        QStringList clicked;
        connect(&next, &QPushButton::clicked, this, [&clicked] { clicked << "cmdNext"; });
        connect(&first, &QPushButton::clicked, this, [&] {
            clicked << "cmdFirst";
            firstClick == "hide" ? first.hide() : first.setEnabled(firstClick != "disable");
        });
        form.showForm();
        first.setFocus();
        for (const int key : keys)
            QTest::keyClick(form.focusWidget(), Qt::Key(key));
        QTRY_COMPARE(clicked, pressed);
    }

    // The Japanese faces count as installed by either name (Windows lists them in its own
    // language, so an English Windows in English); where neither is, the stand-ins draw.
    void aFaceIsDrawnWhereInstalledByEitherNameAndByItsStandInElsewhere_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("installed");  // empty: this machine's fonts
        QTest::addColumn<QStringList>("drawn");      // the faces of mincho, pMincho and pGothic
        const QStringList standIns = {"IPAMincho", "IPAPMincho", "IPAPGothic"};
        const QStringList japanese = {"ＭＳ 明朝", "ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック"}, english = {"MS Mincho", "MS PMincho", "MS PGothic"};
        QTest::newRow("this machine") << QStringList() << standIns;
        QTest::newRow("the Japanese names") << japanese + standIns << japanese;
        QTest::newRow("only the English names") << english + standIns << english;
        // clang-format on
    }

    void aFaceIsDrawnWhereInstalledByEitherNameAndByItsStandInElsewhere()
    {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, drawn);
        const auto restore = qScopeGuard([] { ui::installFontSubstitutes(); });
        installed.isEmpty() ? ui::installFontSubstitutes() : ui::installFontSubstitutes(ui::kWindowsFaces, installed);
        const QFont faces[] = {ui::toQFont(ui::fonts::mincho(9)), ui::toQFont(ui::fonts::pMincho(9)),
                               ui::toQFont(ui::fonts::pGothic(9))};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(installed.isEmpty() ? QFontInfo(faces[i]).family() : faces[i].family(), drawn[i]);
    }

    // The windows' icon draws each size a desktop asks for at 100 to 200 % scaling from its own
    // image, not from a larger or a smaller one; others are scaled down, never up.
    void theProgramIconDrawsEverySizeFromItsOwnImage()
    {
        const QIcon icon = ui::programIcon();
        const auto image = [](const QPixmap &pixmap) {
            return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        };
        for (const int side : {16, 20, 22, 24, 32, 40, 48, 64, 128, 256})
            QCOMPARE(image(icon.pixmap(side)), image(QPixmap(QStringLiteral(":/icons/lumora-%1.png").arg(side))));
        QCOMPARE(icon.pixmap(28).size(), QSize(28, 28));
        QCOMPARE(icon.pixmap(512).size(), QSize(256, 256));
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {256, 256}}));
    }
};

QTEST_MAIN(FormRuntimeTest)
#include "tst_formruntime.moc"
