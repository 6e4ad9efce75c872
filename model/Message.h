#pragma once
// What the model says (a narration, a question, a listing's line, a
// refusal) leaves it as a message: the source text, which is the key its
// translations are found by, and the numbers that fill its places (%1,
// %2...). Where it is shown (the window, a panel, a script's line, a page)
// it is worded in that place's language.

#include <cstdint>
#include <string>
#include <vector>

// Marks a source text for the translators (lupdate reads it as it reads
// QT_TRANSLATE_NOOP); the text itself is the key.
#define ZARNI_TEXT(context, text) text
// The same for a text whose %n is a count (Message::Count), so that each
// language has its plural forms of it.
#define ZARNI_COUNTED(context, text) text

class Message {
public:
    enum class ArgKind : uint8_t { Number, Value, Nested, Word, Real };
    struct Arg {
        ArgKind kind;
        int64_t number; // a number, a node's value, or the nested message's, word's or real's place
        int decimals = 0;
    };

    Message() = default;
    Message(const char *context, const char *text) : m_context(context), m_text(text) {}

    bool Empty() const { return !m_text && m_then.empty(); }
    const char *Context() const { return m_context; }
    const char *Text() const { return m_text; }
    const std::vector<Arg> &Args() const { return m_args; }
    // The count its %n says, by which its translation chooses a plural
    // form; -1 for none.
    int64_t CountOf() const { return m_count; }
    const Message &Nested(std::size_t i) const { return m_nested[i]; }
    const std::string &Word(std::size_t i) const { return m_words[i]; }
    double Real(std::size_t i) const { return m_reals[i]; }
    // What follows it, in order; itself without what follows.
    const std::vector<Message> &Then() const { return m_then; }
    Message Head() const
    {
        Message head = *this;
        head.m_then.clear();
        return head;
    }

    // The next place takes a number; a node's value as its box shows it
    // (empty, "-∞" or its digits); another message, worded first; or a word
    // said as it is (a name, a file).
    Message &Number(int64_t n);
    Message &Value(int value);
    Message &With(Message nested);
    Message &Word(std::string word);
    // A real number with so many decimals, as the language writes it.
    Message &Real(double value, int decimals);
    Message &Append(Message next);
    // The count for %n, apart from the numbered places (as a tr() with n).
    Message &Count(int64_t n);

    bool operator==(const Message &other) const;
    bool operator!=(const Message &other) const { return !(*this == other); }

private:
    const char *m_context = nullptr;
    const char *m_text = nullptr;
    int64_t m_count = -1;
    std::vector<Arg> m_args;
    std::vector<Message> m_nested;
    std::vector<std::string> m_words;
    std::vector<double> m_reals;
    std::vector<Message> m_then;
};

// A label as a node's box shows it: empty for no value, "-∞" for the least
// value (one that loses every match), else the digits of the number it
// stands for (NodeStates::Number; a label of no wide sum is its number).
std::string ValueText(int label, int64_t number);
inline std::string ValueText(int label) { return ValueText(label, label); }
