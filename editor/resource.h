// Resource ids of the editor, grouped by what uses them.
#pragma once
#include "shared_ids.h"

// Bitmaps, menus, accelerators
#define IDB_TOOLBAR_CLASSIC         110
#define IDB_TOOLBAR                 111
#define IDR_ACCELERATORS            121
#define IDR_MAIN_MENU               122

// Child windows of the main window and its timer
#define IDC_MAIN_EDIT               200
#define IDC_MAIN_STATUS             201
#define IDC_MAIN_TOOLBAR            202
#define IDT_MAIN_TIMER              203

// Dialogs
#define IDD_ABOUT                   130
#define IDD_OPTIONS                 131
#define IDD_ANSI_LANGUAGE           139

// Icons
#define IDI_ANSI_LANGUAGE           114

// Options dialog
#define IDC_OPTIONS_TEMPLATE_FOLDER 301
#define IDC_OPTIONS_SDK_PATH        302
#define IDC_OPTIONS_SDK_BROWSE      303
#define IDC_OPTIONS_PPM_PATH        304
#define IDC_OPTIONS_PPM_BROWSE      305
#define IDC_OPTIONS_NO_X64_WARNING  307

// ANSI language dialog
#define IDC_ANSI_LANGUAGE_LIST      300

// Menu commands
#define IDM_ABOUT                   130
#define IDM_OPTIONS                 131
#define IDM_PACKAGING               133
#define IDM_COLOR_SURVEY            135
#define IDM_ASSOCIATIONS            136
#define IDM_INSERT_INITIAL          140
#define IDM_INSERT_COMMENT          141
#define IDM_INSERT_THEME            142
#define IDM_INSERT_VIEW             143
#define IDM_INSERT_BUTTON_GROUP     144
#define IDM_INSERT_BUTTON_ELEMENT   145
#define IDM_INSERT_BUTTON           146
#define IDM_INSERT_TEXT             147
#define IDM_INSERT_EFFECTS          148
#define IDM_INSERT_VIDEO            149
#define IDM_INSERT_PLAYLIST         150
#define IDM_INSERT_SLIDER           151
#define IDM_BUTTON_GROUP_MENU       160

#define IDM_FILE_NEW                32768
#define IDM_FILE_OPEN               32769
#define IDM_FILE_SAVE               32770
#define IDM_FILE_SAVE_AS            32771
#define IDM_FILE_PRINT_PREVIEW      32772
#define IDM_FILE_PRINT              32773
#define IDM_FILE_SUSPEND            32774
#define IDM_FILE_EXIT               32775
#define IDM_EDIT_UNDO               32776
#define IDM_EDIT_CUT                32777
#define IDM_EDIT_COPY               32778
#define IDM_EDIT_PASTE              32779
#define IDM_EDIT_DELETE             32780
#define IDM_EDIT_SELECT_ALL         32781
#define IDM_EDIT_FIND               32782
#define IDM_EDIT_FIND_NEXT          32783
#define IDM_EDIT_REPLACE            32784
#define IDM_TOOLS_RUN               32785
#define IDM_TOOLS_FERNCASTLE        32786
#define IDM_TOOLS_CONVERTER         32787
#define IDM_TOOLS_SETUP_MAKER       32788
#define IDM_TOOLS_INSERT_TEMPLATE   32789
#define IDM_TOOLS_SHORTCUT          32790
#define IDM_HELP_CONTENTS           32791
#define IDM_HELP_REFERENCE          32792
#define IDM_HELP_SDK_MANUAL         32793
#define IDM_INSERT_TAG_MENU         32794

// Toolbar tooltips: IDS_TOOLTIP_FIRST + the button's index
#define IDS_TOOLTIP_FIRST           1000
#define IDS_TOOLTIP_NEW             1000
#define IDS_TOOLTIP_OPEN            1001
#define IDS_TOOLTIP_SAVE            1002
#define IDS_TOOLTIP_PRINT           1003
#define IDS_TOOLTIP_CUT             1005
#define IDS_TOOLTIP_COPY            1006
#define IDS_TOOLTIP_PASTE           1007
#define IDS_TOOLTIP_INSERT_TAG      1009
#define IDS_TOOLTIP_RUN             1011
#define IDS_TOOLTIP_PACKAGING       1012
#define IDS_TOOLTIP_HELP            1014
