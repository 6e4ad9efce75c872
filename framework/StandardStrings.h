#pragma once
// The framework's string table: the idle message, the indicators, the
// window-system prompts and the prompts of the standard commands
// ("description\ntooltip"), looked up by id.

#include <QString>

// Empty when the framework has no text of that id.
QString StandardString(int id);
