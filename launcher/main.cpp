// The launcher program: no window, no arguments read; see launcher.h.
#include "launcher/launcher.h"
#include "launcher/launcher_resources.h"
#include "launcher/sf_resource.h"

#include <clocale>

int main()
{
    if (!std::setlocale(LC_CTYPE, "C.UTF-8"))
        std::setlocale(LC_CTYPE, "");
    SF_SetResourceTable(g_launcherResources, g_launcherResourceCount);
    return launcher::LauncherMain();
}
