#pragma once

#include "app/SplashDesign.h"
#include "ui/Form.h"

#include <cstdint>

namespace lumora {

// The splash: waits, without a time limit, for a character key or a click, then gives way to
// the level selection.
class SplashForm : public ui::FormOf<ui::splashDesign>
{
    Q_OBJECT
public:
    SplashForm();

    void Form_KeyPress(std::int16_t KeyAscii);

protected:
    void Form_Load() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void dismiss();
};

SplashForm &frmSplash();

} // namespace lumora
