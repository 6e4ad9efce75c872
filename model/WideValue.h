#pragma once
// Whole numbers wider than a node's label holds (the sum of many values):
// the label holds a code for the number, kept in one table for the whole
// program. Numbers of less than 2^30 either way are their own codes, so a
// label is read the same as ever unless it holds such a sum.

#include <cstdint>

constexpr int64_t kWideLimit = int64_t(1) << 30;

// The label that stands for the number.
int WideCode(int64_t value);
// Whether a label is the code of a wide number, and the number a label
// stands for (itself unless it is a code).
bool IsWideCode(int label);
int64_t WideOf(int label);
