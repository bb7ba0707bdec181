#pragma once

#include "round/RoundPorts.h"
#include "support/NativeOwner.h"
#include "scores/HighScoreFile.h"
#include "ui/Dialogs.h"
#include "ui/Fonts.h"
#include "ui/Form.h"
#include "ui/FormRegistry.h"
#include "ui/QtTranslations.h"
#include "core/VersionText.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <deque>
#include <type_traits>
#include <vector>

namespace lumora::test {

// A clock that reads whatever the test sets.
class FixedClock final : public Clock
{
public:
    float seconds = 0;
    float secondsSinceMidnight() override { return seconds; }
};

// Records every box and answers from a script, then with Ok or No; every input is cancelled. No
// test waits for a person.
class ScriptedDialogs final : public ui::Dialogs
{
public:
    struct Shown { QString prompt; QString title; const QWidget *owner = nullptr; };
    std::vector<Shown> messages, inputs, warnings;
    std::deque<ui::MessageAnswer> messageAnswers;
    std::deque<std::optional<QString>> inputAnswers;

    ui::MessageAnswer messageBox(QWidget *owner, const QString &prompt, ui::MessageButtons buttons,
                                 const QString &title) override
    {
        messages.push_back({prompt, title, owner});
        return next(messageAnswers, buttons == ui::MessageButtons::Ok ? ui::MessageAnswer::Ok : ui::MessageAnswer::No);
    }
    std::optional<QString> inputBox(QWidget *owner, const QString &prompt, const QString &title) override
    {
        inputs.push_back({prompt, title, owner});
        return next(inputAnswers, std::nullopt);
    }
    void warning(QWidget *owner, const QString &text, const QString &title) override
    {
        warnings.push_back({text, title, owner});
    }

private:
    template <typename Answer>
    static Answer next(std::deque<Answer> &script, std::type_identity_t<Answer> otherwise)
    {
        if (!script.empty())
            otherwise = script.front(), script.pop_front();
        return otherwise;
    }
};

// Every window test starts here: the version text as Main builds it, the fonts, and a high-score
// file of the test's own, so no round a test plays can reach the player's file.
inline void prepareProgram()
{
    static QTemporaryDir scores;
    setHighScoreFileOverride(scores.filePath(QStringLiteral("LumoraHigh.Dll")));
    buildVersionText();
    ui::installFontSubstitutes();
    ui::installQtTranslations();
}

// Ends every window as the program's end does and lets Qt delete them.
inline void discardAllWindows()
{
    ui::FormRegistry::discardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Owned, as Qt sees it and, where the platform shows it, as the window system does: it stays
// above its owner whatever the player clicks.
inline void verifyOwnedBy(QWidget &window, QWidget &owner)
{
    QVERIFY(window.windowHandle() && owner.windowHandle());
    QCOMPARE(window.windowHandle()->transientParent(), owner.windowHandle());
    if (const std::optional<WId> native = nativeOwner(window))
        QCOMPARE(*native, owner.winId());
}

inline QStringList loadedFormNames()
{
    QStringList names;
    for (const ui::Form *form : ui::FormRegistry::loaded())
        names << QString::fromStdString(form->formName());
    names.sort();
    return names;
}

} // namespace lumora::test
