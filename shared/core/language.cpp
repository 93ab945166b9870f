// The choice between the Japanese and the English user interface.
#include "language.h"

#include <windows.h>

bool IsJapaneseUi()
{
    return GetACP() == 932;
}

const wchar_t* UiText(const wchar_t* japanese, const wchar_t* english)
{
    return IsJapaneseUi() ? japanese : english;
}
