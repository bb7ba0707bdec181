#include "about/AboutForm.h"

#include "about/StartSysInfo.h"
#include "about/SysInfoServices.h"
#include "ui/Dialogs.h"
#include "ui/FormRegistry.h"
#include "core/Messages.h"
#include "core/VersionText.h"

namespace lumora {

namespace {
constexpr int kTimer1Interval = 100; // as designed
}

AboutForm::AboutForm()
{
    onClick<"cmdOK">([this] { cmdOK_Click(); });
    onClick<"cmdSysInfo">([this] { cmdSysInfo_Click(); });
    connect(&control<"Timer1">(), &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void AboutForm::Form_Load()
{
    setWindowTitle(ui::applicationTitle() + QString::fromUtf8(messages::kAboutTitleEnd));
    setCaption<"lblVersion">(QString::fromStdString(versionText()));
    control<"Timer1">().start();
}

void AboutForm::Form_Unload(bool &cancel)
{
    Q_UNUSED(cancel);
    control<"Timer1">().setInterval(kTimer1Interval);
}

void AboutForm::cmdOK_Click()
{
    unload();
}

void AboutForm::cmdSysInfo_Click()
{
    const SysInfoServices &services = sysInfoServices();
    StartSysInfo(*services.registry, *services.files, *services.starter, ui::dialogs(), this);
}

// An interval of 0 stops a timer; Qt's own would fire on every pass of the event loop instead.
void AboutForm::Timer1_Timer()
{
    try {
        QTimer &Timer1 = control<"Timer1">();
        Timer1.stop();
        Timer1.setInterval(0);
    } catch (...) {
        // The tick's errors are ignored.
    }
}

AboutForm &frmAbout()
{
    return ui::FormRegistry::reference<AboutForm>("frmAbout", [] { return new AboutForm; });
}

} // namespace lumora
