#pragma once

#include "ui/Dialogs.h"

#include <deque>
#include <optional>
#include <type_traits>
#include <vector>

namespace lumora::test {

// Records every box and answers from a script, then with Ok or No; every input is cancelled. No
// test waits for a person.
class ScriptedDialogs final : public ui::Dialogs
{
public:
    struct Shown
    {
        QString prompt;
        QString title;
        const QWidget *owner = nullptr;
    };
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

} // namespace lumora::test
