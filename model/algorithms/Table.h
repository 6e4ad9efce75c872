#pragma once
// The one table of the algorithms the program plays: a row each, in the
// order their menus, toolbar buttons, statements and states follow.

#include "Algorithm.h"

#include <vector>

const std::vector<AlgorithmEntry> &Algorithms();
// Every algorithm's statements and commands, in the table's order.
const std::vector<StatementEntry> &AlgorithmStatements();
const std::vector<CommandEntry> &AlgorithmCommands();
// Every algorithm's exercises, in the table's order.
const std::vector<ExerciseEntry> &AlgorithmExercises();
const ExerciseEntry *FindExercise(const std::string &name);
// A command by its number, or null.
const CommandEntry *FindCommand(int value);
