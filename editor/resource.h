// Resource ids of the editor, grouped by what uses them.
#pragma once
#include "shared_ids.h"

// Bitmaps, menus, accelerators
#define IDB_TOOLBAR_CLASSIC         110
#define IDB_TOOLBAR                 111
// The same strips at 24 pixels, for 144 DPI and more
#define IDB_TOOLBAR_CLASSIC_24      112
#define IDB_TOOLBAR_24              113
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
#define IDD_PACKAGING               133
#define IDD_COLOR_SURVEY            135
#define IDD_ASSOCIATIONS            136
#define IDD_ADMIN_NOTICE            137
#define IDD_WIZARD_HELP             138
#define IDD_ANSI_LANGUAGE           139
#define IDD_INITIAL_INPUT           140
#define IDD_COMMENT                 141
#define IDD_THEME                   142
#define IDD_VIEW                    143
#define IDD_BUTTON_GROUP            144
#define IDD_BUTTON_ELEMENT          145
#define IDD_BUTTON                  146
#define IDD_TEXT                    147
#define IDD_EFFECTS                 148
#define IDD_VIDEO                   149
#define IDD_PLAYLIST                150
#define IDD_SLIDER                  151
#define IDD_SLIDER_IMAGES           152
#define IDD_SLIDER_HANDLERS         153
#define IDD_SLIDER_OPTIONS          154
#define IDD_SKIN_CHECK              155
#define IDD_SKIN_PREVIEW            156

// Icons (IDI_APP is shared). IDI_ASSOCIATIONS, the second icon in the file, is also the
// template file type's icon (",1" in its DefaultIcon).
#define IDI_ASSOCIATIONS            101
#define IDI_INITIAL_INPUT           102
#define IDI_COMMENT                 103
#define IDI_THEME                   104
#define IDI_VIEW                    105
#define IDI_BUTTON_GROUP            106
#define IDI_BUTTON_ELEMENT          107
#define IDI_BUTTON                  108
#define IDI_TEXT                    109
#define IDI_EFFECTS                 110
#define IDI_VIDEO                   111
#define IDI_PLAYLIST                112
#define IDI_SLIDER                  113
#define IDI_ANSI_LANGUAGE           114

// Packaging dialog
#define IDC_PACKAGING_FOLDER        300
#define IDC_PACKAGING_BROWSE_FOLDER 301
#define IDC_PACKAGING_AUTO_FILL     302
#define IDC_PACKAGING_OUTPUT        303
#define IDC_PACKAGING_BROWSE_OUTPUT 304

// Options dialog
#define IDC_OPTIONS_TEMPLATE_FOLDER 301
#define IDC_OPTIONS_SDK_PATH        302
#define IDC_OPTIONS_SDK_BROWSE      303
#define IDC_OPTIONS_PPM_PATH        304
#define IDC_OPTIONS_PPM_BROWSE      305
#define IDC_OPTIONS_NO_X64_WARNING  307

// ANSI language dialog
#define IDC_ANSI_LANGUAGE_LIST      300

// Colour survey dialog
#define IDC_COLOR_COPY              300
#define IDC_COLOR_PICK              301
#define IDC_COLOR_INSERT            302
#define IDC_COLOR_RED               303
#define IDC_COLOR_GREEN             304
#define IDC_COLOR_BLUE              305
#define IDC_COLOR_CODE              306

// Skin check dialog
#define IDC_SKIN_CHECK_SUMMARY      300
#define IDC_SKIN_CHECK_LIST         301

// Skin preview window
#define IDC_PREVIEW_VIEW            300
#define IDC_PREVIEW_ZOOM            301
#define IDC_PREVIEW_SAVE            302
#define IDC_PREVIEW_PICTURE         303
#define IDC_PREVIEW_STATUS          304
#define IDC_PREVIEW_STATE           305

// File associations dialog and its notice
#define IDC_ASSOCIATIONS_ASSOCIATE  300
#define IDC_ASSOCIATIONS_REMOVE     301
#define IDC_NOTICE_ICON             302

// Every wizard: OK and Cancel are IDOK and IDCANCEL
#define IDC_WIZARD_HELP             9
#define IDC_WIZARD_TABS             400

// Help window
#define IDC_WIZARD_HELP_TEXT        300

// Initial input wizard
#define IDC_INITIAL_SKIN            300
#define IDC_INITIAL_SCRIPT          301
#define IDC_INITIAL_TITLE           302
#define IDC_INITIAL_AUTHOR          303
#define IDC_INITIAL_COPYRIGHT       304
#define IDC_INITIAL_BACKGROUND      305
#define IDC_INITIAL_BACKGROUND_PICK 306
#define IDC_INITIAL_CLIPPING        307
#define IDC_INITIAL_CLIPPING_PICK   308
#define IDC_INITIAL_TITLE_BAR       309
#define IDC_INITIAL_TITLE_LABEL     401
#define IDC_INITIAL_AUTHOR_LABEL    402
#define IDC_INITIAL_COPYRIGHT_LABEL 403
#define IDC_INITIAL_BACKGROUND_LABEL 404
#define IDC_INITIAL_CLIPPING_LABEL  405

// Comment wizard
#define IDC_COMMENT_SKIN            300
#define IDC_COMMENT_SCRIPT          301
#define IDC_COMMENT_SINGLE          302
#define IDC_COMMENT_MULTI           303
#define IDC_COMMENT_SINGLE_TEXT     304
#define IDC_COMMENT_MULTI_TEXT      305
#define IDC_COMMENT_SINGLE_LABEL    401
#define IDC_COMMENT_MULTI_LABEL     402

// Theme wizard
#define IDC_THEME_ID                300
#define IDC_THEME_TITLE             301
#define IDC_THEME_AUTHOR            302
#define IDC_THEME_COPYRIGHT         303
#define IDC_THEME_AUTHOR_VERSION    304
#define IDC_THEME_CURRENT_VIEW      305
#define IDC_THEME_VERSION           306

// View wizard
#define IDC_VIEW_ID                 300
#define IDC_VIEW_TITLE              301
#define IDC_VIEW_BACKGROUND         302
#define IDC_VIEW_BACKGROUND_PICK    303
#define IDC_VIEW_CLIPPING           304
#define IDC_VIEW_CLIPPING_PICK      305
#define IDC_VIEW_SCRIPT_FILE        306
#define IDC_VIEW_TITLE_BAR          307
#define IDC_VIEW_TILED              308

// Button group wizard
#define IDC_GROUP_ID                300
#define IDC_GROUP_LEFT              301
#define IDC_GROUP_TOP               302
#define IDC_GROUP_WIDTH             303
#define IDC_GROUP_HEIGHT            304
#define IDC_GROUP_IMAGE             305
#define IDC_GROUP_IMAGE_PICK        306
#define IDC_GROUP_MAPPING           307
#define IDC_GROUP_MAPPING_PICK      308
#define IDC_GROUP_HOVER             309
#define IDC_GROUP_HOVER_PICK        310
#define IDC_GROUP_DOWN              311
#define IDC_GROUP_DOWN_PICK         312
#define IDC_GROUP_HOVER_DOWN        313
#define IDC_GROUP_HOVER_DOWN_PICK   314
#define IDC_GROUP_DISABLED          315
#define IDC_GROUP_DISABLED_PICK     316
#define IDC_GROUP_TRANSPARENCY      317
#define IDC_GROUP_TRANSPARENCY_PICK 318
#define IDC_GROUP_RADIO             319
#define IDC_GROUP_SHOW_BACKGROUND   320

// Button element wizard: the kinds are IDC_ELEMENT_STANDARD + their index
#define IDC_ELEMENT_STANDARD        300
#define IDC_ELEMENT_PLAY            301
#define IDC_ELEMENT_PAUSE           302
#define IDC_ELEMENT_STOP            303
#define IDC_ELEMENT_PREV            304
#define IDC_ELEMENT_REW             305
#define IDC_ELEMENT_FFWD            306
#define IDC_ELEMENT_NEXT            307
#define IDC_ELEMENT_MAPPING_COLOR   308
#define IDC_ELEMENT_MAPPING_PICK    309
#define IDC_ELEMENT_UP_TOOLTIP      310
#define IDC_ELEMENT_ON_CLICK        311
#define IDC_ELEMENT_DISABLED        312
#define IDC_ELEMENT_STICKY          313
#define IDC_ELEMENT_DOWN_TOOLTIP    314
#define IDC_ELEMENT_DOWN            315
#define IDC_ELEMENT_UP_TOOLTIP_LABEL 401
#define IDC_ELEMENT_ON_CLICK_LABEL  402
#define IDC_ELEMENT_DOWN_TOOLTIP_LABEL 403

// Button wizard
#define IDC_BUTTON_STANDARD         300
#define IDC_BUTTON_PREDEFINED       301
#define IDC_BUTTON_KIND             302
#define IDC_BUTTON_ID               303
#define IDC_BUTTON_LEFT             304
#define IDC_BUTTON_TOP              305
#define IDC_BUTTON_WIDTH            306
#define IDC_BUTTON_HEIGHT           307
#define IDC_BUTTON_IMAGE            308
#define IDC_BUTTON_IMAGE_PICK       309
#define IDC_BUTTON_HOVER            310
#define IDC_BUTTON_HOVER_PICK       311
#define IDC_BUTTON_DOWN_IMAGE       312
#define IDC_BUTTON_DOWN_IMAGE_PICK  313
#define IDC_BUTTON_HOVER_DOWN       314
#define IDC_BUTTON_HOVER_DOWN_PICK  315
#define IDC_BUTTON_DISABLED_IMAGE   316
#define IDC_BUTTON_DISABLED_IMAGE_PICK 317
#define IDC_BUTTON_ON_CLICK         318
#define IDC_BUTTON_TRANSPARENCY     319
#define IDC_BUTTON_TRANSPARENCY_PICK 320
#define IDC_BUTTON_UP_TOOLTIP       321
#define IDC_BUTTON_DISABLED         322
#define IDC_BUTTON_TILED            323
#define IDC_BUTTON_STICKY           324
#define IDC_BUTTON_DOWN_TOOLTIP     325
#define IDC_BUTTON_DOWN             326
#define IDC_BUTTON_CLIPPING         327
#define IDC_BUTTON_UP_TOOLTIP_LABEL 401
#define IDC_BUTTON_DOWN_TOOLTIP_LABEL 402

// Text wizard
#define IDC_TEXT_STANDARD           300
#define IDC_TEXT_PREDEFINED         301
#define IDC_TEXT_KIND               302
#define IDC_TEXT_ID                 303
#define IDC_TEXT_LEFT               304
#define IDC_TEXT_TOP                305
#define IDC_TEXT_WIDTH              306
#define IDC_TEXT_HEIGHT             307
#define IDC_TEXT_FONT_FACE          308
#define IDC_TEXT_FONT_SIZE          310
#define IDC_TEXT_COLOR              311
#define IDC_TEXT_COLOR_PICK         312
#define IDC_TEXT_HOVER_COLOR        313
#define IDC_TEXT_HOVER_COLOR_PICK   314
#define IDC_TEXT_DISABLED_COLOR     315
#define IDC_TEXT_DISABLED_COLOR_PICK 316
#define IDC_TEXT_LEFT_ALIGN         317
#define IDC_TEXT_CENTER_ALIGN       318
#define IDC_TEXT_RIGHT_ALIGN        319
#define IDC_TEXT_VALUE              320
#define IDC_TEXT_TOOLTIP            321
#define IDC_TEXT_ON_CLICK           322
#define IDC_TEXT_SMOOTHING          323
#define IDC_TEXT_WORD_WRAP          324
#define IDC_TEXT_HOVER_COLOR_LABEL  401
#define IDC_TEXT_DISABLED_COLOR_LABEL 402
#define IDC_TEXT_VALUE_LABEL        403
#define IDC_TEXT_TOOLTIP_LABEL      404
#define IDC_TEXT_ON_CLICK_LABEL     405

// Effects and video wizards: one layout
#define IDC_VISUAL_PLAIN            300
#define IDC_VISUAL_WMP              301
#define IDC_VISUAL_ID               302
#define IDC_VISUAL_LEFT             303
#define IDC_VISUAL_TOP              304
#define IDC_VISUAL_WIDTH            305
#define IDC_VISUAL_HEIGHT           306
#define IDC_VISUAL_H_LEFT           307
#define IDC_VISUAL_H_CENTER         308
#define IDC_VISUAL_H_RIGHT          309
#define IDC_VISUAL_H_STRETCH        310
#define IDC_VISUAL_V_TOP            311
#define IDC_VISUAL_V_CENTER         312
#define IDC_VISUAL_V_BOTTOM         313
#define IDC_VISUAL_V_STRETCH        314
#define IDC_VISUAL_ON_CLICK         315
#define IDC_VISUAL_OPTION           316

// Playlist wizard
#define IDC_PLAYLIST_STANDARD       300
#define IDC_PLAYLIST_PREDEFINED     301
#define IDC_PLAYLIST_KIND           302
#define IDC_PLAYLIST_ID             303
#define IDC_PLAYLIST_LEFT           304
#define IDC_PLAYLIST_TOP            305
#define IDC_PLAYLIST_WIDTH          306
#define IDC_PLAYLIST_HEIGHT         307
#define IDC_PLAYLIST_COLUMNS        308
#define IDC_PLAYLIST_BACKGROUND     309
#define IDC_PLAYLIST_BACKGROUND_PICK 310
#define IDC_PLAYLIST_FOREGROUND     311
#define IDC_PLAYLIST_FOREGROUND_PICK 312
#define IDC_PLAYLIST_DISABLED       313
#define IDC_PLAYLIST_DISABLED_PICK  314
#define IDC_PLAYLIST_PLAYING_BACKGROUND 315
#define IDC_PLAYLIST_PLAYING_BACKGROUND_PICK 316
#define IDC_PLAYLIST_PLAYING        317
#define IDC_PLAYLIST_PLAYING_PICK   318
#define IDC_PLAYLIST_NO_DROPDOWN    319
#define IDC_PLAYLIST_NO_ITEMS       320
#define IDC_PLAYLIST_NO_COLUMNS     321
#define IDC_PLAYLIST_NO_SORTING     322
#define IDC_PLAYLIST_NO_EDITING     323

// Slider wizard: the colour fields are IDC_SLIDER_COLOR_FIRST + 2 * n, each with its picker next
#define IDC_SLIDER_STANDARD         300
#define IDC_SLIDER_PREDEFINED       301
#define IDC_SLIDER_KIND             302
#define IDC_SLIDER_ID               303
#define IDC_SLIDER_LEFT             304
#define IDC_SLIDER_TOP              305
#define IDC_SLIDER_WIDTH            306
#define IDC_SLIDER_HEIGHT           307
#define IDC_SLIDER_BORDER           308
#define IDC_SLIDER_COLOR_FIRST      309
#define IDC_SLIDER_MIN              321
#define IDC_SLIDER_MAX              322
#define IDC_SLIDER_IMAGES_BUTTON    323
#define IDC_SLIDER_HANDLERS_BUTTON  324
#define IDC_SLIDER_VALUE            325
#define IDC_SLIDER_TOOLTIP          326
#define IDC_SLIDER_OPTIONS_BUTTON   327
#define IDC_SLIDER_MIN_LABEL        401
#define IDC_SLIDER_MAX_LABEL        402
#define IDC_SLIDER_VALUE_LABEL      403
#define IDC_SLIDER_TOOLTIP_LABEL    404

// Slider sub-dialogs: image n is IDC_SLIDER_IMAGE_FIRST + 2 * n with its picker next;
// handler n is IDC_SLIDER_HANDLER_FIRST + n
#define IDC_SLIDER_IMAGE_FIRST      300
#define IDC_SLIDER_HANDLER_FIRST    300
#define IDC_SLIDER_VERTICAL         300
#define IDC_SLIDER_TILED            301
#define IDC_SLIDER_PROGRESS         302

// Menu commands
#include "core/command_ids.h"

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
