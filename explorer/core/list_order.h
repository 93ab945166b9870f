// The order of the skin list: column texts compared as plain UTF-16 code units.
#pragma once

// Only this many code units of a text take part in the order.
const int kSortTextLimit = 127;

// -1, 0 or 1 for a against b: the first differing code unit decides, unsigned; a text
// that is a prefix of the other is smaller. No case folding, no locale, no numbers.
int CompareSortTexts(const wchar_t* a, const wchar_t* b);

// A column's sort: never sorted yet, ascending or descending.
enum SortDirection { SortNone, SortAscending, SortDescending };

// The same for a column sorted in this direction: ascending keeps it, any other turns it round.
int CompareInDirection(const wchar_t* a, const wchar_t* b, SortDirection direction);
