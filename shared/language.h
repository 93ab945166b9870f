// The choice between the Japanese and the English user interface.
#pragma once

// True when the ANSI code page is 932; evaluated wherever a text, dialog or menu is chosen.
bool IsJapaneseUi();
