// Ids of kit_target.exe, the program the kit's own tests drive.
#pragma once

#define IDC_STATUS 201
#define IDC_TOOLBAR 202
#define IDC_BOX_TEXT 1001
#define IDC_BOX_CAPTION 1002
#define IDC_CHECK 1003
#define IDC_RADIO_A 1004
#define IDC_RADIO_B 1005

#define IDM_OPEN 101
#define IDM_EXIT 102
#define IDM_UNDO 201
#define IDM_WRAP 202
#define IDM_DEEP 211
#define IDM_DEEPEST 221
#define IDM_TOGGLE 301
// lParam carries the MB_* flags; text and caption come from IDC_BOX_TEXT and IDC_BOX_CAPTION.
#define IDM_SHOW_BOX 401
#define IDM_KEY_F3 501
#define IDM_KEY_CTRL_K 502
// Writes "acp=N version=MAJOR.MINOR platform=N wow64=N" into status part 0.
#define IDM_REPORT 601
