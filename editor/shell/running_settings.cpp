// The settings the running editor uses.
#include "running_settings.h"

EditorSettings g_settings = {};
