#pragma once

#include <QString>

#include <optional>

// The modal boxes the game asks and tells through. One process-wide instance; tests install
// their own to answer without a person.
namespace lumora::ui {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // An empty title shows the application title. The first button is the default.
    virtual MessageAnswer messageBox(const QString &prompt, MessageButtons buttons, const QString &title) = 0;
    // The typed text, or nothing when the player cancels.
    virtual std::optional<QString> inputBox(const QString &prompt, const QString &title) = 0;
    // A failure the player must see, with a warning icon.
    virtual void warning(const QString &text, const QString &title) = 0;
};

Dialogs &dialogs();

// Replaces the dialogs until the returned guard goes away (tests).
class DialogsOverride
{
public:
    explicit DialogsOverride(Dialogs &replacement);
    ~DialogsOverride();
    DialogsOverride(const DialogsOverride &) = delete;
    DialogsOverride &operator=(const DialogsOverride &) = delete;

private:
    Dialogs *m_previous;
};

QString applicationTitle();

} // namespace lumora::ui
