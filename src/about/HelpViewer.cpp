#include "about/HelpViewer.h"

#include "about/HelpViewerDesign.h"
#include "core/Messages.h"
#include "ui/Dialogs.h"
#include "ui/FormRegistry.h"

#include <QFile>
#include <QShortcut>
#include <QTextBrowser>

namespace lumora {

namespace {

QUrl helpUrl(const QString &path)
{
    return path.startsWith(u':') ? QUrl(QStringLiteral("qrc") + path) : QUrl::fromLocalFile(path);
}

} // namespace

HelpViewer::HelpViewer()
    : Form(ui::helpViewerDesign())
    , m_browser(new QTextBrowser(&clientArea()))
{
    m_browser->setObjectName(QStringLiteral("browser"));
    m_browser->setGeometry(clientArea().rect());
    m_browser->setOpenExternalLinks(true);
    // Our own window, so it closes by the desktop's usual keys.
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] { unload(); });
}

void HelpViewer::showPage(const QUrl &page)
{
    m_browser->setSource(page);
    showForm();
}

QUrl HelpViewer::page() const
{
    return m_browser->source();
}

HelpViewer &frmHelp()
{
    return ui::FormRegistry::reference<HelpViewer>("frmHelp", [] { return new HelpViewer; });
}

void showHelpFile(QWidget *asker, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ui::dialogs().warning(asker, QString::fromUtf8(messages::kHelpNotShown).arg(path, file.errorString()),
                              QString());
        return;
    }
    frmHelp().showPage(helpUrl(path));
}

} // namespace lumora
