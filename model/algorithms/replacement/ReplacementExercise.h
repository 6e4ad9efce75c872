#pragma once
#include "model/algorithms/Algorithm.h"

std::vector<ExerciseEntry> ReplacementExercises();
