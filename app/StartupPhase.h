// Marks of the start-up's phases. The start-up calls MarkStartupPhase as each of its phases
// ends; nothing is recorded unless a hook is set, and only the start-up probe build sets one
// (it times the phases for the start-up benchmark).
#pragma once

using StartupPhaseHook = void (*)(const char* phase);

// Sets the hook (nullptr: none). Set it before the start-up begins.
void SetStartupPhaseHook(StartupPhaseHook hook);

// Reports that phase has just ended to the hook, if there is one.
void MarkStartupPhase(const char* phase);
