// The window classes of the common controls a program uses.
#include "control_classes.h"

void RegisterControlClasses(DWORD classes)
{
    INITCOMMONCONTROLSEX request = {sizeof(request), classes};
    InitCommonControlsEx(&request);
}
