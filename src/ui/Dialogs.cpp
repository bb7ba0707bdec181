#include "ui/Dialogs.h"

#include "Version.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace lumora::ui {

namespace {

QString titleOrApplication(const QString &title)
{
    return title.isEmpty() ? applicationTitle() : title;
}

class QtDialogs final : public Dialogs
{
public:
    MessageAnswer messageBox(const QString &prompt, MessageButtons buttons, const QString &title) override
    {
        QMessageBox box(QMessageBox::NoIcon, titleOrApplication(title), prompt, QMessageBox::NoButton,
                        QApplication::activeWindow());
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

    std::optional<QString> inputBox(const QString &prompt, const QString &title) override
    {
        bool ok = false;
        const QString text = QInputDialog::getText(QApplication::activeWindow(), titleOrApplication(title),
                                                   prompt, QLineEdit::Normal, QString(), &ok);
        if (!ok)
            return std::nullopt;
        return text;
    }

    void warning(const QString &text, const QString &title) override
    {
        QMessageBox::warning(QApplication::activeWindow(), titleOrApplication(title), text);
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
    : m_previous(g_dialogs)
{
    g_dialogs = &replacement;
}

DialogsOverride::~DialogsOverride()
{
    g_dialogs = m_previous;
}

QString applicationTitle()
{
    return QString::fromUtf8(build::kAppTitle);
}

} // namespace lumora::ui
