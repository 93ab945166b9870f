// The names a rename accepts: only names of files in the folder on screen, within the budget.
#include "file_names.h"

#include <gtest/gtest.h>

#include <string>

TEST(FileNames, PlainNamesOnly)
{
    const struct { const wchar_t* name; bool plain; } cases[] = {
        {L"blue", true}, {L"Blue skin 2", true}, {L"ブルー", true}, {L".hidden", true}, {L"a..b", true},
        {L"", false}, {L".", false}, {L"..", false}, {L" . ", false}, {L"..\\up", false}, {L"sub/x", false},
        {L"C:blue", false}, {L"a*", false}, {L"a?", false}, {L"\"a\"", false}, {L"a<b>", false},
        {L"a|b", false}, {L"tab\there", false}, {L"CON", false}, {L"nul.txt", false}, {L"com1", false},
        {L"console", true}, {L"COM0", true},
    };
    for (const auto& c : cases) EXPECT_EQ(c.plain, IsPlainFileName(c.name)) << std::wstring(c.name).c_str();
}

TEST(FileNames, RenameBudgetIs123)
{
    EXPECT_TRUE(FitsRenameBudget(std::wstring(123, L'a').c_str()));
    EXPECT_FALSE(FitsRenameBudget(std::wstring(124, L'a').c_str()));
}
