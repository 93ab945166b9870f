// The choice between the Japanese and the English user interface.
#pragma once

// True when the ANSI code page is 932; evaluated wherever a text, dialog or menu is chosen.
bool IsJapaneseUi();

// The text of the user-interface language.
const wchar_t* UiText(const wchar_t* japanese, const wchar_t* english);
