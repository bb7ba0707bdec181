#include "ui/Form.h"

#include "ui/FormBuilder.h"
#include "ui/FormRegistry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <qdrawutil.h>

namespace lumora::ui {

Form::Form(const FormDesign &design, QWidget *parent)
    : QMainWindow(parent)
    , m_name(design.name)
{
    setAttribute(Qt::WA_DeleteOnClose);
    FormBuilder::build(*this, design);
}

QObject &Form::control(std::string_view name, int index) const
{
    const auto it = m_controls.find({name, index});
    if (it == m_controls.end())
        lumora::raise(ErrorCode::ControlArrayElementMissing);
    return *it->second;
}

QAction &Form::menuEntry(std::string_view name) const
{
    const auto it = m_menus.find(name);
    if (it == m_menus.end())
        lumora::raise(ErrorCode::ControlArrayElementMissing);
    return *it->second;
}

void Form::load()
{
    Form_Load();
}

void Form::showForm()
{
    if (!m_shownOnce) {
        m_shownOnce = true;
        ensurePolished();
        adjustSize();
        m_centring = true;
        centreOnScreen();
    }
    show();
    raise();
    activateWindow();
}

// A window without an owner can be buried by a click on any other window of the program, even a
// disabled one; an owned one (X11's transient-for, Wayland's parent, Windows' owner) cannot.
void Form::showForm(QWidget &owner)
{
    m_owner = owner.window();
    // X11 names the owner of dialogs only.
    setWindowFlag(Qt::Dialog);
    create();
    windowHandle()->setTransientParent(m_owner->windowHandle());
    showForm();
}

// The whole frame, title bar included, stands at the centre. The window system reports the
// frame only after the window is shown, so the window is centred once more when it has.
void Form::centreOnScreen()
{
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - QRect(QPoint(), frameGeometry().size()).center());
}

void Form::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (m_centring && isVisible() && frameGeometry().size() != size()) {
        m_centring = false;
        centreOnScreen();
    }
}

void Form::paintEvent(QPaintEvent *event)
{
    QMainWindow::paintEvent(event);
    if (m_drawsOwnBorder) {
        QPainter painter(this);
        qDrawWinPanel(&painter, rect(), palette(), false);
    }
}

void Form::unload()
{
    m_unloading = true;
    close();
    m_unloading = false;
}

void Form::discard()
{
    m_discarding = true;
    FormRegistry::forget(this);
    hide();
    deleteLater();
}

void Form::closeEvent(QCloseEvent *event)
{
    if (m_discarding) {
        event->accept();
        return;
    }
    // A disabled window takes no input, and the close box or Alt+F4 is input: only the program
    // itself closes it then.
    if (!isEnabled() && !m_unloading) {
        event->ignore();
        return;
    }
    bool cancel = false;
    runHandler([&] { Form_Unload(cancel); });
    if (cancel && !m_discarding) {
        event->ignore();
        return;
    }
    FormRegistry::forget(this);
    event->accept();
}

void Form::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QPushButton *target = nullptr;
    if (enter) {
        target = qobject_cast<QPushButton *>(focusWidget());
        if (!target)
            target = m_defaultButton;
    } else if (event->key() == Qt::Key_Escape) {
        target = m_cancelButton;
    }
    if (target && target->isVisible() && target->isEnabled()) {
        target->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (control && (event->type() == QEvent::Hide || event->type() == QEvent::EnabledChange))
        passFocusOn(*control);
    return QMainWindow::eventFilter(watched, event);
}

// A control that keeps the focus while hidden still takes Space and Return; the focus goes on to
// the next control in tab order that can take it, or else to the window itself. Only the
// control's own state counts: hiding or disabling the whole window leaves its focus in place.
void Form::passFocusOn(QWidget &control)
{
    // Qt itself may have cleared the focus of a disabled control already.
    const QWidget *focus = focusWidget();
    if ((focus && focus != &control) || (control.isVisibleTo(this) && control.isEnabledTo(this)))
        return;
    for (QWidget *next = control.nextInFocusChain(); next != &control; next = next->nextInFocusChain()) {
        // The focus policy first: it is a field, while isAncestorOf walks up the parents.
        if ((next->focusPolicy() & Qt::TabFocus) && isAncestorOf(next) && next->isVisibleTo(this)
            && next->isEnabledTo(this)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    setFocus(Qt::OtherFocusReason);
}

} // namespace lumora::ui
