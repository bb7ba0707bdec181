#include "about/SysInfoServices.h"

#include "about/AboutForm.h"
#include "about/DetachedProgramStarter.h"
#include "about/DiskFileLookup.h"
#include "ui/Dialogs.h"

namespace lumora {

namespace {

class DialogMessageSink final : public MessageSink
{
public:
    void showMessage(const std::string &text) override
    {
        // Only the About window's button starts the tool.
        ui::dialogs().messageBox(&frmAbout(), QString::fromStdString(text), ui::MessageButtons::Ok, QString());
    }
};

SysInfoServices &current()
{
    static const std::unique_ptr<Registry> registry = systemRegistry();
    static DiskFileLookup files;
    static DetachedProgramStarter starter;
    static DialogMessageSink messages;
    static SysInfoServices services{registry.get(), &files, &starter, &messages};
    return services;
}

} // namespace

const SysInfoServices &sysInfoServices()
{
    return current();
}

SysInfoServicesOverride::SysInfoServicesOverride(const SysInfoServices &replacement)
    : Override(current(), replacement)
{
}

} // namespace lumora
