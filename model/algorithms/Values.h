#pragma once
// Values a user gives the nodes, in a statement, a dialog or a box edited in
// place: whole numbers from -99999 to 99999, and what is wrong with them,
// said the same way everywhere.

#include "model/Message.h"
#include "model/WholeNumber.h"

#include <string>
#include <vector>

// The words of a line of values: blanks or commas between them.
std::vector<std::string> ValueWords(const std::string &line);
// The value of a word, or why it is none (empty when it is one).
Message ReadNodeValue(const std::string &word, int *value);
// Values for count nodes: their values, or why not (given: what the count
// is of, "leaves" or every node).
Message ReadNodeValues(const std::vector<std::string> &words, int64_t count, bool leaves, std::vector<int> *values);
// Each word's value, or the first word's problem.
Message ReadEachValue(const std::vector<std::string> &words, std::vector<int> *values);
// A problem the dialogs and the scripts word alike.
Message Problem(const char *text);
