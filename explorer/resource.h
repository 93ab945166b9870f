// Resource ids of Fennick.
#pragma once
#include "shared_ids.h"

// Main menus, Japanese / English
#define IDM_MAIN_JP             150
#define IDM_MAIN_EN             153

// Context menus with and without a selection, Japanese / English
#define IDM_CONTEXT_SELECTED_JP 151
#define IDM_CONTEXT_EMPTY_JP    152
#define IDM_CONTEXT_SELECTED_EN 154
#define IDM_CONTEXT_EMPTY_EN    155

#define IDR_ACCELERATORS        140

// Main window children
#define IDC_SKIN_LIST           200
#define IDC_TOOLBAR             202
#define IDC_STATUS              203
// The preview pane and its text of the package's facts or of why it shows nothing
#define IDC_PREVIEW_PANE        204
#define IDC_PREVIEW_TEXT        205

// Toolbar: the strip of six pictures (16 and 24 pixels), and one tooltip per button position
// (IDS_TOOLTIP_JP_FIRST / IDS_TOOLTIP_EN_FIRST + position; 3 and 6 are separators)
#define IDB_TOOLBAR             120
#define IDB_TOOLBAR_24          121
#define IDS_TOOLTIP_JP_FIRST    1000
#define IDS_TOOLTIP_OPEN_JP     1000
#define IDS_TOOLTIP_DELETE_JP   1001
#define IDS_TOOLTIP_RENAME_JP   1002
#define IDS_TOOLTIP_ADD_JP      1004
#define IDS_TOOLTIP_REFRESH_JP  1005
#define IDS_TOOLTIP_HELP_JP     1007
#define IDS_TOOLTIP_EN_FIRST    1100
#define IDS_TOOLTIP_OPEN_EN     1100
#define IDS_TOOLTIP_DELETE_EN   1101
#define IDS_TOOLTIP_RENAME_EN   1102
#define IDS_TOOLTIP_ADD_EN      1104
#define IDS_TOOLTIP_REFRESH_EN  1105
#define IDS_TOOLTIP_HELP_EN     1107

// Commands
#define IDM_OPEN_SKIN           32768
#define IDM_DELETE_SKINS        32769
#define IDM_RENAME_SKIN         131
#define IDM_ADD_SKINS           32770
#define IDM_EXIT                32771
#define IDM_VIEW_ICON           32772
#define IDM_VIEW_LIST           32773
#define IDM_VIEW_DETAILS        32774
#define IDM_SORT_NAME           32775
#define IDM_SORT_SIZE           32776
#define IDM_SORT_DATE           32777
#define IDM_REFRESH             32778
#define IDM_HELP                32779
#define IDM_ABOUT               130
#define IDM_PREVIEW             32780
#define IDM_CHECK_PACKAGE       32781

// Icons of the list and the overwrite question
#define IDI_SKIN                101
#define IDI_FOLDER              102

// Overwrite question of the bulk copy, Japanese / English
#define IDD_OVERWRITE_JP            132
#define IDD_OVERWRITE_EN            162
#define IDC_OVERWRITE_YES_TO_ALL    300
#define IDC_OVERWRITE_NO_TO_ALL     301
#define IDC_OVERWRITE_MESSAGE       401
#define IDC_OVERWRITE_QUESTION      402

// About boxes, Japanese / English
#define IDD_ABOUT_JP            130
#define IDD_ABOUT_EN            160

// Rename dialog, Japanese / English
#define IDD_RENAME_JP           131
#define IDD_RENAME_EN           161
#define IDC_RENAME_CURRENT      300
#define IDC_RENAME_NEW          301

// Package check's findings, Japanese / English
#define IDD_PACKAGE_CHECK_JP        133
#define IDD_PACKAGE_CHECK_EN        163
#define IDC_PACKAGE_CHECK_SUMMARY   310
#define IDC_PACKAGE_CHECK_LIST      311
