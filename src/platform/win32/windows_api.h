#pragma once
// The one header of the Win32 port that includes the Windows API.
// WIN32_LEAN_AND_MEAN, NOMINMAX and _WIN32_WINNT come from the build.

#include <windows.h>
