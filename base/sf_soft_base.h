// Umbrella over the thin Win32-shaped wrappers: text in two forms, a critical section and
// its scoped lock, an event, a thread, static system helpers and a small date-time record.
// New code includes the header of the class it uses.
#pragma once

#include "base/compat/sf_windows.h"
#include "base/sf_date_time.h"
#include "base/sf_event.h"
#include "base/sf_stream_convert.h"
#include "base/sf_system.h"
#include "base/sf_thread.h"
#include "base/sf_tool_mutex.h"
