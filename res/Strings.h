#pragma once
// The program's own string table: titles, the document type's description
// and the prompts of its own commands ("description\ntooltip"), looked up
// by resource or command id.

#include <QString>

// Empty when the program has no text of that id.
QString ResourceString(int id);
