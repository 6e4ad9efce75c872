#include "Values.h"

#include <algorithm>

std::vector<std::string> ValueWords(const std::string &line)
{
    std::vector<std::string> words;
    auto separator = [](char c) { return c == ' ' || c == ',' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; };
    for (auto p = line.begin(); p != line.end();) {
        p = std::find_if_not(p, line.end(), separator);
        const auto end = std::find_if(p, line.end(), separator);
        if (p != end)
            words.emplace_back(p, end);
        p = end;
    }
    return words;
}

Message Problem(const char *text)
{
    return Message("CProblemText", text);
}

Message ReadNodeValue(const std::string &word, int *value)
{
    int64_t read = 0;
    switch (ReadWholeNumber(word, -kMaxNodeValue, kMaxNodeValue, &read)) {
    case NumberError::NotANumber: return Problem(ZARNI_TEXT("CProblemText", "「%1」不是整數。")).Word(word);
    case NumberError::OutOfRange:
        return Problem(ZARNI_TEXT("CProblemText", "%1 超出範圍：值必須在 -%2 到 %2 之間。")).Word(word).Number(kMaxNodeValue);
    case NumberError::None: break;
    }
    *value = int(read);
    return {};
}

Message ReadNodeValues(const std::vector<std::string> &words, int64_t count, bool leaves, std::vector<int> *values)
{
    if (int64_t(words.size()) != count)
        return (leaves ? Problem(ZARNI_TEXT("CProblemText", "這棵樹有 %1 個葉節點，不是 %2 個值。"))
                       : Problem(ZARNI_TEXT("CProblemText", "這棵樹有 %1 個節點，不是 %2 個值。")))
            .Number(count)
            .Number(int64_t(words.size()));
    return ReadEachValue(words, values);
}

Message ReadEachValue(const std::vector<std::string> &words, std::vector<int> *values)
{
    values->assign(words.size(), 0);
    for (std::size_t i = 0; i < words.size(); ++i)
        if (Message problem = ReadNodeValue(words[i], &(*values)[i]); !problem.Empty())
            return problem;
    return {};
}
