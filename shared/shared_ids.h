// Resource ids the shared pieces use in every program.
#pragma once

#define IDI_APP                 100

// About box controls
#define IDC_ABOUT_WEBSITE       300
#define IDC_ABOUT_DESCRIPTION   301
#define IDC_ABOUT_VERSION       302
#define IDC_ABOUT_COPYRIGHT     303

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif
