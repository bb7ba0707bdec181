#include "ui/Dialogs.h"

#include "Version.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace lumora::ui {

namespace {

QString titleOrApplication(const QString &title)
{
    return title.isEmpty() ? applicationTitle() : title;
}

QWidget *ownerOrActive(QWidget *owner)
{
    return owner ? owner->window() : QApplication::activeWindow();
}

// Names from the high-score file reach these boxes: they show text as it stands, never as markup.
class PlainMessageBox final : public QMessageBox
{
public:
    PlainMessageBox(QWidget *owner, Icon icon, const QString &title, const QString &text)
        : QMessageBox(icon, titleOrApplication(title), text, NoButton, ownerOrActive(owner))
    {
        setTextFormat(Qt::PlainText);
    }
};

class QtDialogs final : public Dialogs
{
public:
    MessageAnswer messageBox(QWidget *owner, const QString &prompt, MessageButtons buttons,
                             const QString &title) override
    {
        PlainMessageBox box(owner, QMessageBox::NoIcon, title, prompt);
        if (buttons == MessageButtons::Ok) {
            box.setDefaultButton(box.addButton(QMessageBox::Ok));
            box.exec();
            return MessageAnswer::Ok;
        }
        QPushButton *yes = box.addButton(QMessageBox::Yes);
        QPushButton *no = box.addButton(QMessageBox::No);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
    }

    std::optional<QString> inputBox(QWidget *owner, const QString &prompt, const QString &title) override
    {
        QInputDialog box(ownerOrActive(owner));
        box.setWindowTitle(titleOrApplication(title));
        box.setLabelText(prompt);
        if (auto *label = box.findChild<QLabel *>())
            label->setTextFormat(Qt::PlainText);
        if (box.exec() != QDialog::Accepted)
            return std::nullopt;
        return box.textValue();
    }

    void warning(QWidget *owner, const QString &text, const QString &title) override
    {
        PlainMessageBox box(owner, QMessageBox::Warning, title, text);
        box.addButton(QMessageBox::Ok);
        box.exec();
    }
};

QtDialogs g_qtDialogs;
Dialogs *g_dialogs = &g_qtDialogs;

} // namespace

Dialogs &dialogs()
{
    return *g_dialogs;
}

DialogsOverride::DialogsOverride(Dialogs &replacement)
    : Override(g_dialogs, &replacement)
{
}

QString applicationTitle()
{
    return QString::fromUtf8(build::kAppTitle);
}

} // namespace lumora::ui
