#pragma once
// What is wrong with what a user gave (values, runs, an operation refused),
// worded once: a dialog says it in the interface's language, a script in
// English, as the tail of one line.

#include "model/Message.h"

#include <QString>

class QTranslator;

class CProblemText {
public:
    enum class Wording { Dialog, ScriptLine };
    static QString Say(const Message &problem, Wording wording);
    // The English of the program's texts, which a script speaks.
    static const QTranslator &English();
};
