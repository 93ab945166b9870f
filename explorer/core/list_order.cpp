// The order of the skin list: column texts compared as plain UTF-16 code units.
#include "list_order.h"

#include <cstdint>

int CompareSortTexts(const wchar_t* a, const wchar_t* b)
{
    for (int index = 0; index < kSortTextLimit; ++index) {
        // Unsigned, so that units from U+8000 up sort after the rest.
        std::uint16_t left = static_cast<std::uint16_t>(a[index]);
        std::uint16_t right = static_cast<std::uint16_t>(b[index]);
        if (left != right) return left < right ? -1 : 1;
        if (left == 0) return 0;
    }
    return 0;
}

int CompareInDirection(const wchar_t* a, const wchar_t* b, SortDirection direction)
{
    int result = CompareSortTexts(a, b);
    return direction == SortAscending ? result : -result;
}
