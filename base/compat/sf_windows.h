// Include this where Windows code would have included <windows.h>.
#pragma once
#include "sf_wintypes.h"
#include "sf_winapi.h"
