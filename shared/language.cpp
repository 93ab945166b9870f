// The choice between the Japanese and the English user interface.
#include "language.h"

#include <windows.h>

bool IsJapaneseUi()
{
    return GetACP() == 932;
}
