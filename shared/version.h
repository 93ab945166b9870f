// Quillmere's version, the one place for it: the programs' resources, the manifest (CMake
// reads the four numbers from here) and the tests take it from this file.
#pragma once

#define QLM_VERSION_MAJOR 3
#define QLM_VERSION_MINOR 20
#define QLM_VERSION_BUILD 2009
#define QLM_VERSION_REVISION 208
// The editor's own version as its About box names it.
#define QLM_VERSION_SHORT_TEXT "3.2"

#define QLM_STRINGIZE_(x) #x
#define QLM_STRINGIZE(x) QLM_STRINGIZE_(x)
// 3,20,2009,208 for FILEVERSION and PRODUCTVERSION; "3.20.2009.208" for the version strings.
#define QLM_VERSION_NUMBERS QLM_VERSION_MAJOR,QLM_VERSION_MINOR,QLM_VERSION_BUILD,QLM_VERSION_REVISION
#define QLM_VERSION_TEXT \
    QLM_STRINGIZE(QLM_VERSION_MAJOR.QLM_VERSION_MINOR.QLM_VERSION_BUILD.QLM_VERSION_REVISION)
