#pragma once

#include "ui/Form.h"

#include <QUrl>

class QTextBrowser;

namespace lumora {

// frmHelp: the program's help viewer, a modeless window with one page at a time.
class HelpViewer : public ui::Form
{
    Q_OBJECT
public:
    HelpViewer();

    void showPage(const QUrl &page);
    QUrl page() const;

private:
    QTextBrowser *m_browser;
};

HelpViewer &frmHelp();

// Shows the help file (a file path or a ":/" resource) in frmHelp. A file that cannot be read
// is reported to the player in a box owned by `asker`, and the program goes on.
void showHelpFile(QWidget *asker, const QString &path);

} // namespace lumora
