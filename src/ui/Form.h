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

// A window built from its design. Its behaviour lives in subclasses as handlers named after
// control and event; they reach the controls through FormOf, by the names of their design.
class Form : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form(const FormDesign &design, QWidget *parent = nullptr);

    const std::string &formName() const { return m_name; }
    QWidget &clientArea() const { return *m_client; }

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
    // Raises "Control array element does not exist" for a name or index the design lacks.
    QWidget &control(DesignName name, int index = -1) const;
    template <typename W>
    W &controlAs(DesignName name, int index = -1) const
    {
        auto *widget = qobject_cast<W *>(&control(name, index));
        if (!widget)
            lumora::raise(ErrorCode::TypeMismatch);
        return *widget;
    }
    QAction &menuEntry(DesignName name) const;
    QTimer &timer(DesignName name) const;

    QString caption(DesignName name, int index = -1) const;
    void setCaption(DesignName name, int index, const QString &caption);
    bool isControlShown(DesignName name, int index = -1) const;

    template <typename F>
    void onClick(DesignName name, int index, F f)
    {
        QWidget &widget = control(name, index);
        if (auto *button = qobject_cast<QAbstractButton *>(&widget))
            connect(button, &QAbstractButton::clicked, this, handler(std::move(f)));
        else
            connectClicked(widget, handler(std::move(f)));
    }
    template <typename F>
    void onMenu(DesignName name, F f)
    {
        connect(&menuEntry(name), &QAction::triggered, this, handler(std::move(f)));
    }

    // Raises "Control array element does not exist" unless every name of `controls` and `menus`
    // has its row in `design` and every row its name there.
    static void requireRows(const FormDesign &design, const QMetaEnum &controls, const QMetaEnum &menus);

    virtual void Form_Load() {}
    // Runs on every close but the program's end. Setting `cancel` keeps the window open.
    virtual void Form_Unload(bool &cancel) { Q_UNUSED(cancel); }

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
    std::map<std::pair<DesignName, int>, QWidget *> m_controls;
    std::map<DesignName, QAction *> m_menus;
    std::map<DesignName, QTimer *> m_timers;
    QPointer<QWidget> m_owner;
    QPushButton *m_defaultButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    bool m_discarding = false;
    bool m_unloading = false;
    bool m_shownOnce = false;
    bool m_centring = false;
    bool m_drawsOwnBorder = false;
};

// A window whose design names its controls and menu entries in `Names`: a Q_GADGET with the
// enums `Control` and `Menu` (Q_ENUM), one enumerator a row of the design, as uic's Ui:: classes
// name a form's widgets. Only those names reach its controls, so a misspelt one fails the build.
template <typename Names>
class FormOf : public Form
{
public:
    using Control = typename Names::Control;
    using Menu = typename Names::Menu;

    explicit FormOf(const FormDesign &design, QWidget *parent = nullptr)
        : Form(design, parent)
    {
        requireRows(design, QMetaEnum::fromType<Control>(), QMetaEnum::fromType<Menu>());
    }

    // An element of a control array by its Index; -1 for a single control.
    QWidget &control(Control name, int index = -1) const { return Form::control(name, index); }
    template <typename W>
    W &controlAs(Control name, int index = -1) const
    {
        return Form::controlAs<W>(name, index);
    }
    QAction &menuEntry(Menu name) const { return Form::menuEntry(name); }
    QTimer &timer(Control name) const { return Form::timer(name); }

    QString caption(Control name, int index = -1) const { return Form::caption(name, index); }
    void setCaption(Control name, int index, const QString &caption) { Form::setCaption(name, index, caption); }
    void setCaption(Control name, const QString &caption) { Form::setCaption(name, -1, caption); }
    bool isControlShown(Control name, int index = -1) const { return Form::isControlShown(name, index); }

protected:
    template <typename F>
    void onClick(Control name, int index, F f)
    {
        Form::onClick(name, index, std::move(f));
    }
    template <typename F>
    void onClick(Control name, F f)
    {
        Form::onClick(name, -1, std::move(f));
    }
    template <typename F>
    void onMenu(Menu name, F f)
    {
        Form::onMenu(name, std::move(f));
    }
};

} // namespace lumora::ui
