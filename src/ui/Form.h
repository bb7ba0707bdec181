#pragma once

#include "ui/Design.h"
#include "ui/DesignName.h"
#include "ui/FormBuilder.h"
#include "ui/Handler.h"

#include <QAction>
#include <QMainWindow>
#include <QPointer>

#include <map>
#include <string>
#include <string_view>
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
    // Raises "Control array element does not exist" for a name or index the window lacks: an
    // element of a control array, whose index is known at run time alone.
    QObject &control(std::string_view name, int index) const;
    QAction &menuEntry(std::string_view name) const;

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
    void passFocusOn(QWidget &control);
    void centreOnScreen();

    std::string m_name;
    QWidget *m_client = nullptr;
    // By the names of the design's rows, which point into its literals.
    std::map<std::pair<std::string_view, int>, QObject *> m_controls;
    std::map<std::string_view, QAction *> m_menus;
    QPointer<QWidget> m_owner;
    QPushButton *m_defaultButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    bool m_discarding = false;
    bool m_unloading = false;
    bool m_shownOnce = false;
    bool m_centring = false;
    bool m_drawsOwnBorder = false;
};

// A window built from `design`, a constexpr function that returns its design. Its code names
// controls and menu entries as the design's rows do, as template arguments (control<"cmdStart">()),
// so the compiler looks each up in the design, as uic's Ui:: classes name a form's widgets: a name
// without its row, or a row of another kind than the code takes there, fails the build.
template <auto design>
class FormOf : public Form
{
    static_assert(containersAreFramesAbove(design()), "a control's container is no frame above it in the design");
    static_assert(menuParentsAreAbove(design()), "a menu entry's parent is no entry above it in the design");
    static_assert(namesAreDistinct(design()), "rows of the design share a name and are no control array");

public:
    FormOf()
        : Form(design())
    {
    }
    // The same rows in other places: a level window's design, which differs by level.
    explicit FormOf(const FormDesign &sameRows)
        : Form(sameRows)
    {
    }

    // The control, as the class its kind is built as (a button is a QPushButton).
    template <DesignName name>
    auto &control() const
    {
        static_assert(hasRowFor<design, name>, "the window's design has no row for this control");
        static_assert(!isControlArray<design, name>, "an element of a control array is named with its index");
        return static_cast<ControlClass<kindOf<name>> &>(Form::control(name.view(), -1));
    }
    // An element of a control array, by its Index.
    template <DesignName name>
    auto &control(int index) const
    {
        static_assert(hasRowFor<design, name>, "the window's design has no row for this control");
        static_assert(isControlArray<design, name>, "a single control is named without an index");
        return static_cast<ControlClass<kindOf<name>> &>(Form::control(name.view(), index));
    }

    template <DesignName name>
    QAction &menuEntry() const
    {
        static_assert(hasMenuEntryFor<design, name>, "the window's design has no menu entry of this name");
        return Form::menuEntry(name.view());
    }

    // A label's caption, the only one the code sets; a label sized to its text fits the new one.
    template <DesignName name>
    void setCaption(const QString &caption)
    {
        static_assert(isKind<design, name, ControlKind::Label>, "the window's design has no label of this name");
        if constexpr (isKind<design, name, ControlKind::Label>)
            control<name>().setCaption(caption);
    }

protected:
    template <DesignName name, typename F>
    void onClick(F f)
    {
        static_assert(takesClicks<name>, "the window's design has no control of this name that takes clicks");
        if constexpr (takesClicks<name>)
            connectClick(control<name>(), std::move(f));
    }
    template <DesignName name, typename F>
    void onClick(int index, F f)
    {
        static_assert(takesClicks<name>, "the window's design has no control of this name that takes clicks");
        if constexpr (takesClicks<name>)
            connectClick(control<name>(index), std::move(f));
    }
    template <DesignName name, typename F>
    void onMenu(F f)
    {
        connect(&menuEntry<name>(), &QAction::triggered, this, handler(std::move(f)));
    }

private:
    template <DesignName name>
    static constexpr ControlKind kindOf = rowFacts<design, name>.kind;
    template <DesignName name>
    static constexpr bool takesClicks = isKind<design, name, ControlKind::CommandButton, ControlKind::Label,
                                               ControlKind::Frame, ControlKind::PictureBox, ControlKind::Image>;

    template <typename W, typename F>
    void connectClick(W &widget, F f)
    {
        connect(&widget, &W::clicked, this, handler(std::move(f)));
    }
};

} // namespace lumora::ui
