#include "ui/Form.h"

#include "ui/FormBuilder.h"
#include "ui/FormRegistry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/Widgets.h"

namespace lumora::ui {

Form::Form(const FormDesign &design, QWidget *parent)
    : QMainWindow(parent)
    , m_name(design.name)
{
    setAttribute(Qt::WA_DeleteOnClose);
    FormBuilder::build(*this, design);
}

QWidget &Form::control(std::string_view name, int index) const
{
    const auto it = m_controls.find({std::string(name), index});
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

QTimer &Form::timer(std::string_view name) const
{
    const auto it = m_timers.find(name);
    if (it == m_timers.end())
        lumora::raise(ErrorCode::ControlArrayElementMissing);
    return *it->second;
}

QString Form::caption(std::string_view name, int index) const
{
    QWidget &widget = control(name, index);
    if (auto *button = qobject_cast<QAbstractButton *>(&widget))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(&widget))
        return label->text();
    if (auto *frame = qobject_cast<QGroupBox *>(&widget))
        return frame->title();
    if (auto *text = qobject_cast<QPlainTextEdit *>(&widget))
        return text->toPlainText();
    lumora::raise(ErrorCode::TypeMismatch);
}

void Form::setCaption(std::string_view name, int index, const QString &caption)
{
    QWidget &widget = control(name, index);
    if (auto *button = qobject_cast<QAbstractButton *>(&widget)) {
        button->setText(caption);
    } else if (auto *label = qobject_cast<QLabel *>(&widget)) {
        label->setText(caption);
        if (label->property(FormBuilder::kAutoSizeProperty).toBool())
            label->adjustSize();
    } else if (auto *frame = qobject_cast<QGroupBox *>(&widget)) {
        frame->setTitle(caption);
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(&widget)) {
        text->setPlainText(caption);
    } else {
        lumora::raise(ErrorCode::TypeMismatch);
    }
}

bool Form::isControlShown(std::string_view name, int index) const
{
    const QWidget &widget = control(name, index);
    return widget.isVisibleTo(m_client);
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
        if (const QScreen *screen = QApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void Form::unload()
{
    close();
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

void Form::connectClicked(QWidget &widget, const std::function<void()> &slot)
{
    if (auto *label = qobject_cast<Label *>(&widget))
        connect(label, &Label::clicked, this, slot);
    else if (auto *frame = qobject_cast<Frame *>(&widget))
        connect(frame, &Frame::clicked, this, slot);
    else
        lumora::raise(ErrorCode::TypeMismatch);
}

} // namespace lumora::ui
