#pragma once
// The program's own string table: titles, the document type's description
// and the prompts of its own commands ("description\ntooltip"), looked up
// by resource or command id.

#include <QString>
#include <QStringList>

// Empty when the program has no text of that id.
QString ResourceString(int id);
// Choices as a message names them: "a, b or c".
QString Alternatives(QStringList choices);
