// The main window's commands: one dispatch for menus, accelerators and toolbar.
#pragma once
#include "editor.h"

void DispatchCommand(Editor* editor, unsigned id);
