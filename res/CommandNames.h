#pragma once
// The command identifiers by name, for scripts.

#include <QHash>
#include <QString>

const QHash<QString, int> &CommandIdsByName();
