// Linked into a program beside its own main(): ends the program once its first window has been
// exposed, so start-up can be timed from outside while the program itself keeps taking no
// arguments and reading no environment.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace {

class QuitOnFirstExpose final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType()
            && static_cast<QWindow *>(watched)->isExposed()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Widgets paint while handling the expose; the exit waits for the event loop, after that.
            // exit() rather than quit(): quit() would first offer every window its close handler.
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

void quitOnFirstExpose()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new QuitOnFirstExpose(app));
}

} // namespace

// Runs inside the QApplication constructor, before the program's main() goes on.
Q_COREAPP_STARTUP_FUNCTION(quitOnFirstExpose)
