#pragma once
// Filters and order of the virtual-key mode's lists. Positions are 1-based.
#include <cstddef>

#include "common/string_list.h"

TStringList FilterByCharGroup(const TStringList& list, char ch, std::size_t pos);
TStringList FilterByChar(const TStringList& list, char ch, std::size_t pos);
// -1, 0 or +1: shorter first, then collation order of equal lengths.
int CompareByLengthThenText(const TStringList& list, std::size_t i, std::size_t j);
// Sorts the list in that order, equal entries kept in their order. Each
// entry's collation is worked out once, so a list of 100,000 sorts at once.
void SortByLengthThenText(TStringList& list);
