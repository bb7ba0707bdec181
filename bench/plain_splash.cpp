// The floor for start-up: the game's splash written by hand in plain Qt, with the same faces,
// sizes, colours, texts and picture, and the labels sized to their text.
#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace {

QLabel *label(const QString &text, const QString &family, int pixelSize, QColor colour, QRect geometry, QWidget *parent,
              bool italic = false)
{
    auto *label = new QLabel(text, parent);
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setItalic(italic);
    label->setFont(font);
    if (colour.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
    label->setGeometry(geometry);
    return label;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // One large image, as a plain program sets its icon; Qt scales it down where a smaller one is asked.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/lumora-256.png")));

    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    window.setFont(font);
    window.setFixedSize(473, 277);

    auto *frame = new QGroupBox(&window);
    frame->setGeometry(0, 0, 472, 270);

    const QString gothic = QStringLiteral("IPAPGothic");
    const QString mincho = QStringLiteral("IPAPMincho");
    const QString times = QStringLiteral("Liberation Serif");
    label(QStringLiteral("ノルカン"), gothic, 32, QColor(64, 64, 0), {120, 40, 117, 33}, frame)->adjustSize();
    label(QStringLiteral("ルモラ++"), mincho, 48, QColor(0, 64, 0), {176, 80, 210, 48}, frame)->adjustSize();
    label(QStringLiteral("TM"), times, 16, QColor(0, 64, 0), {376, 72, 23, 19}, frame)->adjustSize();
    QLabel *version =
        label(QStringLiteral(VERSION_TEXT), times, 21, QColor(0, 0, 192), {299, 128, 83, 24}, frame, true);
    version->setAlignment(Qt::AlignRight | Qt::AlignTop);
    version->adjustSize();
    QLabel *company = label(QStringLiteral("ノルカン"), mincho, 27, QColor(0, 0, 128), {304, 216, 145, 27}, frame);
    company->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    company->setWordWrap(true);
    label(QStringLiteral("何かキーを押して下さい。"), gothic, 19, QColor(), {10, 244, 205, 19}, frame)->adjustSize();

    auto *logo = new QLabel(frame);
    logo->setPixmap(QPixmap(QStringLiteral(":/icons/lumora-32.png")));
    logo->setScaledContents(true);
    logo->setGeometry(24, 72, 121, 127);

    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
