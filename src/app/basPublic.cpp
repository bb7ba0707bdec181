#include "app/basPublic.h"

#include "app/SplashForm.h"
#include "core/VersionText.h"

namespace lumora {

void Main()
{
    buildVersionText();
    frmSplash().showForm();
}

} // namespace lumora
