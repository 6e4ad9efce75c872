#include "WideValue.h"

#include <climits>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace {

// The codes run up from just past the empty label and -∞.
constexpr int64_t kFirstCode = int64_t(INT_MIN) + 2;
constexpr int64_t kLastCode = -kWideLimit;

struct WideTable {
    std::mutex lock;
    std::vector<int64_t> values;
    std::unordered_map<int64_t, int> codes;
};

WideTable &Table()
{
    static WideTable table;
    return table;
}

} // namespace

int WideCode(int64_t value)
{
    if (value > -kWideLimit && value < kWideLimit)
        return int(value);
    WideTable &table = Table();
    std::lock_guard<std::mutex> held(table.lock);
    if (const auto found = table.codes.find(value); found != table.codes.end())
        return found->second;
    // A run writes a few wide sums (those near the root); the table
    // would hold a billion before its codes ran out.
    const int64_t code = kFirstCode + int64_t(table.values.size());
    if (code > kLastCode)
        return int(kLastCode);
    table.values.push_back(value);
    table.codes.emplace(value, int(code));
    return int(code);
}

bool IsWideCode(int label)
{
    return label >= kFirstCode && label <= kLastCode;
}

int64_t WideOf(int label)
{
    if (!IsWideCode(label))
        return label;
    WideTable &table = Table();
    std::lock_guard<std::mutex> held(table.lock);
    const std::size_t i = std::size_t(int64_t(label) - kFirstCode);
    return i < table.values.size() ? table.values[i] : int64_t(label);
}
