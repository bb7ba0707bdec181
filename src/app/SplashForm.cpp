#include "app/SplashForm.h"

#include "app/LevelSelectionForm.h"
#include "ui/FormRegistry.h"
#include "core/VersionText.h"

#include <QKeyEvent>

namespace lumora {

SplashForm::SplashForm()
{
    // Every element with a click handler dismisses the splash; lblVersion has none.
    onClick<"Frame1">([this] { dismiss(); });
    onClick<"imgLogo">([this] { dismiss(); });
    onClick<"lblCompany">([this] { dismiss(); });
    onClick<"lblCompanyProduct">([this] { dismiss(); });
    onClick<"lblProductName">(0, [this] { dismiss(); });
    onClick<"lblProductName">(2, [this] { dismiss(); });
    onClick<"lblWarning">([this] { dismiss(); });
}

void SplashForm::Form_Load()
{
    setCaption<"lblVersion">(QString::fromStdString(versionText()));
}

void SplashForm::Form_KeyPress(std::int16_t KeyAscii)
{
    Q_UNUSED(KeyAscii);
    dismiss();
}

void SplashForm::keyPressEvent(QKeyEvent *event)
{
    // Only keys that produce a character count; an Alt combination is a menu key, not a character.
    if (event->text().isEmpty() || event->modifiers().testFlag(Qt::AltModifier)) {
        Form::keyPressEvent(event);
        return;
    }
    const auto keyAscii = static_cast<std::int16_t>(event->text().front().unicode());
    ui::runHandler([&] { Form_KeyPress(keyAscii); });
}

void SplashForm::dismiss()
{
    // Closing the splash and showing the selection in one handler keeps the program alive
    // although, for a moment, no window is open.
    unload();
    frmMain().showForm();
}

SplashForm &frmSplash()
{
    return ui::FormRegistry::reference<SplashForm>("frmSplash", [] { return new SplashForm; });
}

} // namespace lumora
