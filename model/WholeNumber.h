#pragma once
// Whole numbers as the program reads them, from a statement, a dialog or a
// file: decimal digits after an optional sign, nothing else.

#include <cstdint>
#include <string_view>

// The values a node's label may take when the user gives it: own leaf
// values and the values of merged runs.
constexpr int kMaxNodeValue = 99999;

enum class NumberError { None, NotANumber, OutOfRange };

// Reads word into *value when it is a whole number from low to high; a
// number of any length past the range is out of range, not malformed.
NumberError ReadWholeNumber(std::string_view word, int64_t low, int64_t high, int64_t *value);
