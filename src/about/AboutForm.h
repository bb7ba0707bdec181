#pragma once

#include "about/AboutDesign.h"
#include "ui/Form.h"

namespace lumora {

// frmAbout: the product, its version and a way to the system-information tool. Modeless; the
// level windows stay usable while it is open.
class AboutForm : public ui::FormOf<ui::aboutDesign>
{
    Q_OBJECT
public:
    AboutForm();

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Timer1_Timer();

protected:
    void Form_Load() override;
    void Form_Unload(bool &cancel) override;
};

AboutForm &frmAbout();

} // namespace lumora
