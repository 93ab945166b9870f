// Resource ids of Migrato.
#pragma once
#include "shared_ids.h"

// Main dialog
#define IDD_CONVERTER           130
#define IDC_SOURCE_V2           300
#define IDC_SOURCE_V3           301
#define IDC_SHOW_ABOUT          131

// About box
#define IDD_ABOUT               131
