#pragma once
// The one header of the program that includes <windows.h>. CMake sets
// WIN32_LEAN_AND_MEAN, NOMINMAX and _WIN32_WINNT for the whole build.

#include <windows.h>
