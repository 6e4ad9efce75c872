#pragma once
// A value of the program's state as JSON writes it (null, a flag, a number,
// a text, a list, an object with its keys in order), for what an algorithm
// adds to a view's state.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class StateValue {
public:
    enum class Kind { Null, Bool, Number, Real, Text, List, Object };

    StateValue() = default;
    StateValue(bool flag) : m_kind(Kind::Bool), m_bFlag(flag) {}
    StateValue(int number) : m_kind(Kind::Number), m_nNumber(number) {}
    StateValue(int64_t number) : m_kind(Kind::Number), m_nNumber(number) {}
    StateValue(double real) : m_kind(Kind::Real), m_real(real) {}
    StateValue(std::string text) : m_kind(Kind::Text), m_strText(std::move(text)) {}
    StateValue(const char *text) : m_kind(Kind::Text), m_strText(text) {}
    static StateValue List() { return StateValue(Kind::List); }
    static StateValue Object() { return StateValue(Kind::Object); }
    // A list of numbers.
    template <class It>
    static StateValue Numbers(It first, It last)
    {
        StateValue list = List();
        for (; first != last; ++first)
            list.Add(int64_t(*first));
        return list;
    }

    Kind GetKind() const { return m_kind; }
    bool Flag() const { return m_bFlag; }
    int64_t Number() const { return m_nNumber; }
    double Real() const { return m_real; }
    const std::string &Text() const { return m_strText; }
    // A list's items, or an object's values (their keys in Keys()).
    const std::vector<StateValue> &Items() const { return m_items; }
    const std::vector<std::string> &Keys() const { return m_keys; }

    StateValue &Add(StateValue item)
    {
        m_items.push_back(std::move(item));
        return *this;
    }
    StateValue &Set(std::string key, StateValue value)
    {
        m_keys.push_back(std::move(key));
        m_items.push_back(std::move(value));
        return *this;
    }
    const StateValue *Find(const std::string &key) const
    {
        for (std::size_t i = 0; i < m_keys.size(); ++i)
            if (m_keys[i] == key)
                return &m_items[i];
        return nullptr;
    }

private:
    explicit StateValue(Kind kind) : m_kind(kind) {}

    Kind m_kind = Kind::Null;
    bool m_bFlag = false;
    int64_t m_nNumber = 0;
    double m_real = 0;
    std::string m_strText;
    std::vector<StateValue> m_items;
    std::vector<std::string> m_keys;
};
