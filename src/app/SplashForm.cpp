#include "app/SplashForm.h"

#include "app/LevelSelectionForm.h"
#include "ui/FormRegistry.h"
#include "core/VersionText.h"

#include <QKeyEvent>

namespace lumora {

SplashForm::SplashForm()
    : FormOf(ui::splashDesign())
{
    // Every element with a click handler dismisses the splash; lblVersion has none.
    onClick(Control::Frame1, [this] { dismiss(); });
    onClick(Control::imgLogo, [this] { dismiss(); });
    onClick(Control::lblCompany, [this] { dismiss(); });
    onClick(Control::lblCompanyProduct, [this] { dismiss(); });
    onClick(Control::lblProductName, 0, [this] { dismiss(); });
    onClick(Control::lblProductName, 2, [this] { dismiss(); });
    onClick(Control::lblWarning, [this] { dismiss(); });
}

void SplashForm::Form_Load()
{
    setCaption(Control::lblVersion, QString::fromStdString(versionText()));
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
