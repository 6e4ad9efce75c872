#pragma once
// The commands of the program by name, read from the two enumerations that
// define them (the framework's standard commands and the program's own) and
// the algorithms' table.

#include <QHash>
#include <QString>

const QHash<QString, int> &CommandIdsByName();
// A value a script may send: a named command or an entry of the Window
// menu's list of document windows.
bool IsKnownCommand(int id);
// The name of a command for messages ("ID_FILE_SAVE"), or its value.
QString CommandName(int id);
