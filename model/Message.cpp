#include "Message.h"

#include "Timeline.h"

#include <charconv>
#include <cstring>

Message &Message::Number(int64_t n)
{
    m_args.push_back({ArgKind::Number, n});
    return *this;
}

Message &Message::Value(int value)
{
    m_args.push_back({ArgKind::Value, value});
    return *this;
}

Message &Message::With(Message nested)
{
    m_args.push_back({ArgKind::Nested, int64_t(m_nested.size())});
    m_nested.push_back(std::move(nested));
    return *this;
}

Message &Message::Word(std::string word)
{
    m_args.push_back({ArgKind::Word, int64_t(m_words.size())});
    m_words.push_back(std::move(word));
    return *this;
}

Message &Message::Real(double value, int decimals)
{
    m_args.push_back({ArgKind::Real, int64_t(m_reals.size()), decimals});
    m_reals.push_back(value);
    return *this;
}

Message &Message::Count(int64_t n)
{
    m_count = n;
    return *this;
}

Message &Message::Append(Message next)
{
    if (!next.Empty())
        m_then.push_back(std::move(next));
    return *this;
}

bool Message::operator==(const Message &other) const
{
    auto same = [](const char *a, const char *b) { return a == b || (a && b && std::strcmp(a, b) == 0); };
    if (!same(m_text, other.m_text) || m_count != other.m_count || m_args.size() != other.m_args.size() || m_nested != other.m_nested ||
        m_words != other.m_words || m_reals != other.m_reals || m_then != other.m_then)
        return false;
    for (std::size_t i = 0; i < m_args.size(); ++i)
        if (m_args[i].kind != other.m_args[i].kind || m_args[i].number != other.m_args[i].number)
            return false;
    return true;
}

std::string ValueText(int label, int64_t number)
{
    if (label == NodeStates::kLeast)
        return "-\u221e";
    if (label == NodeStates::kNoLabel)
        return std::string();
    char digits[24];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}
