#pragma once
// The model's messages worded where they are shown: in the interface's
// language, or with a translator of their own (a script speaks English).

#include "model/Message.h"

#include <QString>

class QTranslator;

QString Words(const Message &message, const QTranslator *translator = nullptr);
// A value as a node's box shows it.
QString ValueWords(int value);
// A node as a screen reader names it: its index, its label (or "空") and
// what its mark tells ("節點 5：11，勝者"); a mark on a numbered tree is a
// selection.
QString NodeName(int64_t index, const QString &label, int mark);
// Its relatives and its level ("父 2，左 10，右 11，第 3 層").
QString NodeRelations(int64_t index, int64_t count);
