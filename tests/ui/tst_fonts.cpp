#include "support/TestMain.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>

using namespace lumora;

class FontsTest : public QObject
{
    Q_OBJECT

private slots:
    // A face no machine has draws its stand-in; an installed face wins over its stand-in, as a real
    // Windows face does where it is installed.
    void aFaceIsDrawnWhereInstalledAndByItsStandInElsewhere_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("drawn");
        QTest::newRow("missing") << "Lumora Missing Face" << "IPAPGothic";
        QTest::newRow("installed") << "IPAMincho" << "IPAMincho";
    }

    void aFaceIsDrawnWhereInstalledAndByItsStandInElsewhere()
    {
        QFETCH(QString, requested);
        QFETCH(QString, drawn);
        static constexpr ui::FontSubstitute kFaces[] = {
            {"Lumora Missing Face", "IPAPGothic"},
            {"IPAMincho", "Liberation Serif"},
        };
        ui::installFontSubstitutes(kFaces);
        QCOMPARE(QFontInfo(ui::toQFont({requested.toStdString()})).family(), drawn);
        QCOMPARE(QFontInfo(QFont(requested)).family(), drawn);
    }
};

LUMORA_REGISTER_TEST(FontsTest)
#include "tst_fonts.moc"
