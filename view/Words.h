#pragma once
// The model's messages worded where they are shown: in the interface's
// language, or with a translator of their own (a script speaks English).

#include "model/Message.h"

#include <QString>

class QTranslator;

QString Words(const Message &message, const QTranslator *translator = nullptr);
// A value as a node's box shows it.
QString ValueWords(int value);
