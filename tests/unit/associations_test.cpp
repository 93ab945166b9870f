// The file associations' choices: which window command 136 opens, the buttons, the icons named.
#include "associations_table.h"
#include "program_folder.h"
#include "editor/resource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

const unsigned long kWin9x = VER_PLATFORM_WIN32_WINDOWS, kNt = VER_PLATFORM_WIN32_NT;

BOOL CALLBACK CollectIconId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids)
{
    if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<int>*>(ids)->push_back(LOWORD(name));
    return TRUE;
}

// The resource id of the icon that "program,index" in a DefaultIcon value stands for.
int IconIdAtIndex(const wchar_t* program, size_t index)
{
    std::wstring path = FolderOfProgram(OwnProgramPath()) + program;
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return -1;
    std::vector<int> ids;
    EnumResourceNamesW(module, RT_GROUP_ICON, CollectIconId, reinterpret_cast<LONG_PTR>(&ids));
    FreeLibrary(module);
    return index < ids.size() ? ids[index] : -1;
}

}  // namespace

// The notice only for Vista and later without elevation; the buttons off only for a known
// non-administrator on the NT family.
TEST(Associations, WindowAndButtonsByPlatformVersionAndElevation)
{
    struct Case {
        unsigned long platform, major;
        AdminAnswer admin;
        AssociationsWindow window;
        bool buttons;
    };
    const Case cases[] = {
        {kWin9x, 4, AdminAnswerMissing, AssociationsWindowDialog, true},   // Windows 98
        {kWin9x, 4, AdminAnswerNo, AssociationsWindowDialog, true},
        {kNt, 5, AdminAnswerNo, AssociationsWindowDialog, false},          // 2000 and XP
        {kNt, 5, AdminAnswerYes, AssociationsWindowDialog, true},
        {kNt, 6, AdminAnswerYes, AssociationsWindowDialog, true},          // Vista and later
        {kNt, 6, AdminAnswerNo, AssociationsWindowNotice, false},
        {kNt, 10, AdminAnswerNo, AssociationsWindowNotice, false},
        {kNt, 6, AdminAnswerMissing, AssociationsWindowDialog, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.window, ChooseAssociationsWindow(c.platform, c.major, c.admin)) << c.platform << c.major << c.admin;
        EXPECT_EQ(c.buttons, AssociationButtonsEnabled(c.platform, c.admin)) << c.platform << c.major << c.admin;
    }
}

// ",1" is an index into the file's icons, not an id: the second icon of each program.
TEST(Associations, DefaultIconsNameTheTemplateAndSkinIcons)
{
    EXPECT_EQ(IDI_ASSOCIATIONS, IconIdAtIndex(L"Quillpad.exe", 1));
    EXPECT_EQ(101, IconIdAtIndex(L"Fennick.exe", 1)) << "Fennick's skin package icon";
}
