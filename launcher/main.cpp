// The launcher program: no window, no arguments read; see launcher.h.
#include "launcher.h"
#include "launcher_resources.h"
#include "sf_resource.h"

#include <clocale>

int main()
{
    if (!std::setlocale(LC_CTYPE, "C.UTF-8"))
        std::setlocale(LC_CTYPE, "");
    SF_SetResourceTable(g_launcherResources, g_launcherResourceCount);
    return launcher::LauncherMain();
}
