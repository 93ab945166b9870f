// Process-wide state of Migrato.
#pragma once
#include <windows.h>

#include "legacy_settings.h"

extern HINSTANCE g_hInstance;
extern HANDLE g_instanceMutex;
extern LegacySettings g_legacySettings;
