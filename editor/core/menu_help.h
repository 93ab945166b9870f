// The help line of each menu item, shown in the status bar while the item is highlighted.
#pragma once

// "レディ" for an id without a help line.
const wchar_t* MenuHelpText(unsigned id);
