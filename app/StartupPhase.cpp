// Marks of the start-up's phases.
#include "app/StartupPhase.h"

namespace {

StartupPhaseHook g_hook = nullptr;  // written before the start-up, read on the GUI thread only

}  // namespace

void SetStartupPhaseHook(StartupPhaseHook hook) { g_hook = hook; }

void MarkStartupPhase(const char* phase)
{
    if (g_hook)
        g_hook(phase);
}
