#include "WideValue.h"

#include <climits>

namespace {

// The codes run up from just past the empty label and -∞.
constexpr int64_t kFirstCode = int64_t(INT_MIN) + 2;
constexpr int64_t kLastCode = -kWideLimit;

} // namespace

bool WideNumbers::IsCode(int label)
{
    return label >= kFirstCode && label <= kLastCode;
}

int WideNumbers::Code(int64_t value)
{
    if (value > -kWideLimit && value < kWideLimit)
        return int(value);
    if (const auto found = m_codes.find(value); found != m_codes.end())
        return found->second;
    // A run writes a few wide sums (those near the root); a tree would
    // hold a billion before its codes ran out.
    const int64_t code = kFirstCode + int64_t(m_values.size());
    if (code > kLastCode)
        return int(kLastCode);
    m_values.push_back(value);
    m_codes.emplace(value, int(code));
    return int(code);
}

int64_t WideNumbers::Of(int label) const
{
    if (!IsCode(label))
        return label;
    const std::size_t i = std::size_t(int64_t(label) - kFirstCode);
    return i < m_values.size() ? m_values[i] : int64_t(label);
}
