// Include this where Windows code would have included <windows.h>.
#pragma once
#include "base/compat/sf_winapi.h"
#include "base/compat/sf_wintypes.h"
