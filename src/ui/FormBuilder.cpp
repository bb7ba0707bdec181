#include "ui/FormBuilder.h"

#include "ui/DesignColours.h"
#include "ui/Fonts.h"
#include "ui/Form.h"
#include "ui/Icons.h"
#include "ui/Metrics.h"
#include "ui/Widgets.h"

#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace lumora::ui {

namespace {

constexpr int kDialogBorder = 2; // pixels, as a raised panel draws it

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QRect pixelRect(const ControlDesign &c)
{
    return QRect(twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width), twipsToPixels(c.height));
}

Qt::Alignment toQtAlignment(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Left: return Qt::AlignLeft | Qt::AlignTop;
    case Alignment::Right: return Qt::AlignRight | Qt::AlignTop;
    case Alignment::Center: return Qt::AlignHCenter | Qt::AlignTop;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// Whether what lies behind the control is a background its design states: its frame's, or
// the window's.
bool onStatedBackground(const FormDesign &design, const ControlDesign &c)
{
    if (c.container.empty())
        return design.backColor.has_value();
    const auto frame = std::find_if(design.controls.begin(), design.controls.end(),
                                    [&](const ControlDesign &f) { return f.name == c.container; });
    return frame != design.controls.end() && frame->backColor.has_value();
}

QWidget *makeLabel(const ControlDesign &c, QWidget *parent)
{
    auto *label = new Label(text(c.caption), parent);
    // Captions come from names in the score file too: shown as typed, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(toQtAlignment(c.alignment));
    if (c.border)
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setWordWrap(!c.autoSize);
    label->setAutoSize(c.autoSize);
    return label;
}

QWidget *makeButton(const ControlDesign &c, QWidget *parent)
{
    auto *button = new QPushButton(text(c.caption), parent);
    button->setAutoDefault(false);
    return button;
}

QWidget *makePicture(const ControlDesign &c, QWidget *parent)
{
    return new PictureLabel(picture(c.picture), text(c.caption), parent);
}

QWidget *makeTextBox(const ControlDesign &c, QWidget *parent)
{
    auto *box = new QPlainTextEdit(text(c.caption), parent);
    box->setReadOnly(c.readOnly);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

QWidget *makeLine(const ControlDesign &c, QWidget *parent)
{
    const QPoint from(twipsToPixels(c.left), twipsToPixels(c.top));
    const QPoint to(twipsToPixels(c.width), twipsToPixels(c.height));
    return new Line(from, to, c.foreColor ? toQColor(*c.foreColor) : QColor(Qt::black), c.lineWidth, parent);
}

} // namespace

void FormBuilder::build(Form &form, const FormDesign &design)
{
    setUpWindow(form, design);
    buildClientArea(form, design);
    buildMenus(form, design.menus);
    std::vector<std::pair<int, QWidget *>> tabOrder;
    for (const ControlDesign &c : design.controls) {
        if (QWidget *widget = buildControl(form, c, design.font)) {
            if (c.kind != ControlKind::Line)
                setDesignColours(*widget, c.kind, c.foreColor, c.backColor, onStatedBackground(design, c));
            form.m_controls[{c.name, c.index}] = widget;
            if (widget->focusPolicy() != Qt::NoFocus)
                tabOrder.emplace_back(c.tabIndex, widget);
        }
    }
    setTabOrder(tabOrder);
    form.layout()->setSizeConstraint(QLayout::SetFixedSize);
}

// Title, icon, font and the border: which title bar and buttons the window system shows.
void FormBuilder::setUpWindow(Form &form, const FormDesign &design)
{
    form.setObjectName(text(design.name));
    form.setWindowTitle(text(design.caption));
    // The program's icon is the application's, set once at start-up: setting it on each window
    // would decode every one of its sizes again.
    if (design.icon != Picture::ProgramIcon)
        form.setWindowIcon(QIcon(picture(design.icon)));
    form.setFont(toQFont(design.font));

    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (design.border == WindowBorder::FixedSingle)
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (design.minButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (design.border == WindowBorder::FixedDialogNoTitle) {
        // Frameless, or Wayland compositors (and Qt's own decorations there) add a title bar.
        // The window draws its own thin dialog border around the client area instead.
        flags |= Qt::FramelessWindowHint;
        form.m_drawsOwnBorder = true;
        form.setContentsMargins(kDialogBorder, kDialogBorder, kDialogBorder, kDialogBorder);
    }
    form.setWindowFlags(flags);
}

void FormBuilder::buildClientArea(Form &form, const FormDesign &design)
{
    auto *client = new QWidget(&form);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
    // The window's own background, as a frame's is drawn.
    setDesignColours(*client, ControlKind::Frame, std::nullopt, design.backColor, false);
    form.setCentralWidget(client);
    form.m_client = client;
}

void FormBuilder::buildMenus(Form &form, const std::vector<MenuDesign> &design)
{
    std::map<std::string_view, QMenu *> menus;
    for (const MenuDesign &m : design) {
        const QString caption = text(m.caption);
        QWidget *owner = m.parent.empty() ? static_cast<QWidget *>(form.menuBar()) : menus.at(m.parent);
        QAction *action = nullptr;
        if (m.caption == "-") {
            action = static_cast<QMenu *>(owner)->addSeparator();
        } else {
            const bool hasChildren = std::any_of(design.begin(), design.end(),
                                                 [&](const MenuDesign &child) { return child.parent == m.name; });
            if (hasChildren) {
                QMenu *menu =
                    m.parent.empty() ? form.menuBar()->addMenu(caption) : static_cast<QMenu *>(owner)->addMenu(caption);
                menus[m.name] = menu;
                action = menu->menuAction();
            } else {
                action = static_cast<QMenu *>(owner)->addAction(caption);
            }
        }
        action->setObjectName(text(m.name));
        if (!m.shortcut.empty())
            action->setShortcut(QKeySequence(text(m.shortcut)));
        if (m.checked) {
            action->setCheckable(true);
            action->setChecked(true);
            // The mark is part of the design: choosing the entry must not clear it.
            QObject::connect(action, &QAction::toggled, action, [action] { action->setChecked(true); });
        }
        form.m_menus[m.name] = action;
    }
    if (design.empty())
        form.menuBar()->hide();
}

// The control's widget, placed, coloured and with its keyboard role; nothing for a timer, which
// shows nothing and belongs to the window all the same.
QWidget *FormBuilder::buildControl(Form &form, const ControlDesign &c, const FontDesign &windowFont)
{
    QWidget *parent =
        c.container.empty() ? form.m_client : static_cast<QWidget *>(form.m_controls.at({c.container, -1}));
    QWidget *widget = nullptr;
    switch (c.kind) {
    case ControlKind::Label: widget = makeLabel(c, parent); break;
    case ControlKind::CommandButton: widget = makeButton(c, parent); break;
    case ControlKind::Frame: widget = new Frame(text(c.caption), parent); break;
    case ControlKind::TextBox: widget = makeTextBox(c, parent); break;
    case ControlKind::PictureBox:
    case ControlKind::Image: widget = makePicture(c, parent); break;
    case ControlKind::Line: widget = makeLine(c, parent); break;
    case ControlKind::Timer: {
        auto *timer = new QTimer(&form);
        timer->setObjectName(text(c.name));
        timer->setInterval(c.interval);
        form.m_controls[{c.name, c.index}] = timer;
        return nullptr;
    }
    }
    const QString name = text(c.name);
    const QString objectName = c.index < 0 ? name : QStringLiteral("%1_%2").arg(name).arg(c.index);
    widget->setObjectName(objectName);
    if (c.kind != ControlKind::Line)
        widget->setGeometry(pixelRect(c));
    widget->setFont(toQFont(c.font ? *c.font : windowFont));
    if (c.autoSize)
        widget->adjustSize();
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        if (c.role == ButtonRole::Default || c.role == ButtonRole::DefaultAndCancel) {
            button->setDefault(true);
            form.m_defaultButton = button;
        }
        if (c.role == ButtonRole::Cancel || c.role == ButtonRole::DefaultAndCancel)
            form.m_cancelButton = button;
    }
    if (c.kind == ControlKind::CommandButton || c.kind == ControlKind::TextBox) {
        widget->setFocusPolicy(c.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        widget->installEventFilter(&form);
    } else {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    widget->setVisible(c.visible);
    return widget;
}

// Controls with a tab index in its order, the others first in design order; the first takes
// the focus.
void FormBuilder::setTabOrder(std::vector<std::pair<int, QWidget *>> &controls)
{
    std::stable_sort(controls.begin(), controls.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1].second, controls[i].second);
    if (!controls.empty())
        controls.front().second->setFocus();
}

} // namespace lumora::ui
