#pragma once

#include "core/Override.h"

#include <QString>

#include <optional>

class QWidget;

// The modal boxes the game asks and tells through. One process-wide instance; tests install
// their own to answer without a person. Each box is owned by the window that asks (`owner`), so
// it stays above that window on every desktop; without one it belongs to the active window.
namespace lumora::ui {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // An empty title shows the application title. The first button is the default.
    virtual MessageAnswer messageBox(QWidget *owner, const QString &prompt, MessageButtons buttons,
                                     const QString &title) = 0;
    // The typed text, or nothing when the player cancels.
    virtual std::optional<QString> inputBox(QWidget *owner, const QString &prompt, const QString &title) = 0;
    // A failure the player must see, with a warning icon.
    virtual void warning(QWidget *owner, const QString &text, const QString &title) = 0;
};

Dialogs &dialogs();

// Replaces the dialogs until the guard goes away (tests).
class DialogsOverride : public Override<Dialogs *>
{
public:
    explicit DialogsOverride(Dialogs &replacement);
};

QString applicationTitle();

} // namespace lumora::ui
