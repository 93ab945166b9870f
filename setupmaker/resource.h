// Resource ids of Setwright.
#pragma once
#include "shared_ids.h"

// About boxes, Japanese / English
#define IDD_ABOUT_JP            130
#define IDD_ABOUT_EN            132

// Main dialogs, Japanese / English
#define IDD_SETUP_MAKER_JP      131
#define IDD_SETUP_MAKER_EN      133
#define IDC_TARGET_FOLDER       300
#define IDC_BROWSE_TARGET       301
#define IDC_OUTPUT_FILE         302
#define IDC_BROWSE_OUTPUT       303
#define IDC_SHOW_ABOUT          304
#define IDC_DESCRIPTION         401
#define IDC_TARGET_GROUP        402
#define IDC_OUTPUT_GROUP        403
