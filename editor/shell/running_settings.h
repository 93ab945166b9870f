// The settings the running editor uses: read at start and again after the options dialog.
#pragma once

#include "editor_settings.h"

extern EditorSettings g_settings;
