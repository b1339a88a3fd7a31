// Entry point of the program. Built again with TESSALY_STARTUP_PROBE set to a mode of
// CFirstPaintProbe, it is the start-up probe that the start-up benchmark and tests run;
// the shipped program is built without it.
#include "app/AppStartup.h"

#ifdef TESSALY_STARTUP_PROBE
#include "app/FirstPaintProbe.h"

namespace {

void InstallProbe(QWidget* window) { CFirstPaintProbe::Install(window, TESSALY_STARTUP_PROBE); }

}  // namespace
#endif

int main(int argc, char** argv)
{
#ifdef TESSALY_STARTUP_PROBE
    CFirstPaintProbe::RecordStartupPhases();
    return AppMain(argc, argv, InstallProbe);
#else
    return AppMain(argc, argv);
#endif
}
