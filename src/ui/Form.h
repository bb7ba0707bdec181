#pragma once

#include "ui/Design.h"
#include "ui/Handler.h"

#include <QAbstractButton>
#include <QAction>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <string>
#include <utility>

class QPushButton;

namespace lumora::ui {

// A window built from its design. Controls are reached by name and index, as the handlers
// name them; a window's behaviour lives in subclasses as handlers named after control and event.
class Form : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form(const FormDesign &design, QWidget *parent = nullptr);

    const std::string &formName() const { return m_name; }

    // Raises "Control array element does not exist" for an unknown name or index.
    QWidget &control(std::string_view name, int index = -1) const;
    template <typename W>
    W &controlAs(std::string_view name, int index = -1) const
    {
        auto *widget = qobject_cast<W *>(&control(name, index));
        if (!widget)
            lumora::raise(ErrorCode::TypeMismatch);
        return *widget;
    }
    QAction &menuEntry(std::string_view name) const;
    QTimer &timer(std::string_view name) const;
    QWidget &clientArea() const { return *m_client; }

    QString caption(std::string_view name, int index = -1) const;
    void setCaption(std::string_view name, int index, const QString &caption);
    void setCaption(std::string_view name, const QString &caption) { setCaption(name, -1, caption); }
    bool isControlShown(std::string_view name, int index = -1) const;

    // Runs the load step; the registry calls it once, right after construction.
    void load();
    // Shows the window modeless; the first showing centres it on the screen.
    void showForm();
    // Shows it owned by `owner`'s window: it stays above its owner, whatever the player clicks.
    void showForm(QWidget &owner);
    QWidget *owner() const { return m_owner; }
    // Closes the window; its unload handler runs and the window is destroyed.
    void unload();
    // Goes away without running any handler (the program's end).
    void discard();

protected:
    virtual void Form_Load() {}
    // Runs on every close but the program's end. Setting `cancel` keeps the window open.
    virtual void Form_Unload(bool &cancel) { Q_UNUSED(cancel); }

    template <typename F>
    void onClick(std::string_view name, int index, F f)
    {
        QWidget &widget = control(name, index);
        if (auto *button = qobject_cast<QAbstractButton *>(&widget))
            connect(button, &QAbstractButton::clicked, this, handler(std::move(f)));
        else
            connectClicked(widget, handler(std::move(f)));
    }
    template <typename F>
    void onClick(std::string_view name, F f)
    {
        onClick(name, -1, std::move(f));
    }
    template <typename F>
    void onMenu(std::string_view name, F f)
    {
        connect(&menuEntry(name), &QAction::triggered, this, handler(std::move(f)));
    }

    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Watches the controls that take focus, so a hidden or disabled one hands the focus on.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class FormBuilder;
    void connectClicked(QWidget &widget, const std::function<void()> &slot);
    void passFocusOn(QWidget &control);
    void centreOnScreen();

    std::string m_name;
    QWidget *m_client = nullptr;
    std::map<std::pair<std::string, int>, QWidget *> m_controls;
    std::map<std::string, QAction *, std::less<>> m_menus;
    std::map<std::string, QTimer *, std::less<>> m_timers;
    QPointer<QWidget> m_owner;
    QPushButton *m_defaultButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    bool m_discarding = false;
    bool m_unloading = false;
    bool m_shownOnce = false;
    bool m_centring = false;
    bool m_drawsOwnBorder = false;
};

} // namespace lumora::ui
