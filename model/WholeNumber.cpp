#include "WholeNumber.h"

#include <algorithm>
#include <charconv>

NumberError ReadWholeNumber(std::string_view word, int64_t low, int64_t high, int64_t *value)
{
    const std::size_t sign = !word.empty() && (word[0] == '+' || word[0] == '-');
    const std::string_view digits = word.substr(sign);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return NumberError::NotANumber;
    int64_t read = 0;
    // from_chars takes a minus sign but not a plus.
    const std::string_view number = word[0] == '+' ? digits : word;
    if (std::from_chars(number.data(), number.data() + number.size(), read).ec != std::errc() || read < low || read > high)
        return NumberError::OutOfRange;
    *value = read;
    return NumberError::None;
}
