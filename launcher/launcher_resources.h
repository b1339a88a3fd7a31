// The resources linked into the launcher program (a generated table).
#pragma once

#include "launcher/sf_resource.h"

#include <cstddef>

extern const SFResource g_launcherResources[];
extern const std::size_t g_launcherResourceCount;
