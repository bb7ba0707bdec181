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

struct TwoButtonNames
{
    Q_GADGET
public:
    enum class Control { cmdFirst, cmdNext };
    Q_ENUM(Control)
    enum class Menu {};
    Q_ENUM(Menu)
};
using TwoButtons = ui::FormOf<TwoButtonNames>;
using Control = TwoButtons::Control;

namespace {

// Two buttons side by side; the second one shown or not.
ui::FormDesign twoButtons(bool secondShown)
{
    ui::FormDesign design{.name = "frmTwoButtons", .clientWidth = 3000, .clientHeight = 1000};
    design.controls = {{.kind = ui::ControlKind::CommandButton, .name = Control::cmdFirst, .width = 900, .height = 400},
                       {.kind = ui::ControlKind::CommandButton,
                        .name = Control::cmdNext,
                        .left = 1200,
                        .width = 900,
                        .height = 400,
                        .visible = secondShown}};
    return design;
}

// A window the registry holds, as the program's are.
TwoButtons &frmTwoButtons()
{
    return ui::FormRegistry::reference<TwoButtons>("frmTwoButtons", [] { return new TwoButtons(twoButtons(true)); });
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
        QTest::newRow("a control array without the element") << Step([] { frmTwoButtons().control(Control::cmdNext, 2); })
                                                        << "実行時エラー '340':\n\nControl array element does not exist";
        QTest::newRow("a name without its row") << Step([] { TwoButtons(ui::FormDesign{.name = "frmNone"}); })
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

    // A hidden button kept the focus and still took Space.
    void aHiddenOrDisabledButtonHandsTheFocusOn_data()
    {
        // clang-format off
        QTest::addColumn<bool>("hide");
        QTest::addColumn<bool>("nextShown");
        QTest::newRow("hidden, to the next button") << true << true;
        QTest::newRow("hidden, to the window") << true << false;
        QTest::newRow("disabled, to the window") << false << false;
        // clang-format on
    }

    void aHiddenOrDisabledButtonHandsTheFocusOn()
    {
        QFETCH(bool, hide);
        QFETCH(bool, nextShown);
        TwoButtons form(twoButtons(nextShown));
        auto &first = form.controlAs<QPushButton>(Control::cmdFirst);
        int clicks = 0;
        connect(&first, &QPushButton::clicked, this, [&] {
            ++clicks;
            hide ? first.hide() : first.setEnabled(false);
        });
        form.showForm();
        first.setFocus();
        QTest::keyClick(&first, Qt::Key_Space);
        QWidget *focus = form.focusWidget();
        QCOMPARE(focus, nextShown ? &form.control(Control::cmdNext) : &form);
        QTest::keyClick(focus, Qt::Key_Space);
        QCOMPARE(clicks, 1);
    }

    void returnAndEscapePressTheDefaultAndCancelButtons()
    {
        ui::FormDesign design = twoButtons(true);
        design.controls[0].role = ui::ButtonRole::Default;
        design.controls[1].role = ui::ButtonRole::Cancel;
        TwoButtons form(design);
        QList<Control> clicked;
        for (const Control name : {Control::cmdFirst, Control::cmdNext})
            connect(&form.controlAs<QPushButton>(name), &QPushButton::clicked, this,
                    [&clicked, name] { clicked << name; });
        form.showForm();
        QTest::keyClick(&form, Qt::Key_Return);
        QTest::keyClick(&form, Qt::Key_Escape);
        QTRY_COMPARE(clicked, (QList<Control>{Control::cmdFirst, Control::cmdNext}));
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
