#pragma once
// Whole numbers wider than a node's label holds (the sum of many values):
// the label holds a code for the number, kept by the tree whose labels
// they are. Numbers of less than 2^30 either way are their own codes, so a
// label is read the same as ever unless it holds such a sum.

#include <cstdint>
#include <unordered_map>
#include <vector>

constexpr int64_t kWideLimit = int64_t(1) << 30;

class WideNumbers {
public:
    // Whether a label is the code of a wide number.
    static bool IsCode(int label);
    // The label that stands for the number.
    int Code(int64_t value);
    // The number a label stands for (itself unless it is a code).
    int64_t Of(int label) const;

private:
    std::vector<int64_t> m_values;
    std::unordered_map<int64_t, int> m_codes;
};
