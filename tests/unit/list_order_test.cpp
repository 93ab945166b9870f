// The skin list's order: column texts as unsigned UTF-16 code units, at most 127 of them.
#include "list_order.h"

#include <gtest/gtest.h>

#include <string>

TEST(ListOrder, TextsCompareByCodeUnitsUnsigned)
{
    EXPECT_EQ(-1, CompareSortTexts(L"1000", L"999"));   // sizes order by their digits
    EXPECT_EQ(-1, CompareSortTexts(L"", L"5"));         // no size comes first
    EXPECT_EQ(-1, CompareSortTexts(L"Blue", L"Blue.wmz"));
    EXPECT_EQ(1, CompareSortTexts(L"blue", L"Blue"));
    EXPECT_EQ(1, CompareSortTexts(L"\x8000", L"\x7FFF"));
    EXPECT_EQ(1, CompareSortTexts(L"\xFF21", L"Z"));
    EXPECT_EQ(0, CompareSortTexts(L"2009/01/03 12:00", L"2009/01/03 12:00"));
}

TEST(ListOrder, OnlyTheFirst127UnitsCount)
{
    std::wstring common(kSortTextLimit, L'a');
    EXPECT_EQ(0, CompareSortTexts((common + L"b").c_str(), (common + L"a").c_str()));
    EXPECT_EQ(-1, CompareSortTexts((common.substr(1) + L"a").c_str(), (common.substr(1) + L"b").c_str()));
}

TEST(ListOrder, DirectionOneKeepsTheOrderAnyOtherTurnsIt)
{
    EXPECT_EQ(-1, CompareInDirection(L"a", L"b", SortAscending));
    EXPECT_EQ(1, CompareInDirection(L"a", L"b", SortDescending));
    EXPECT_EQ(1, CompareInDirection(L"a", L"b", SortNone));
    EXPECT_EQ(0, CompareInDirection(L"a", L"a", SortDescending));
}
