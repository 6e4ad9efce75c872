#include "Table.h"

#include "heap/Heap.h"
#include "merge/Merge.h"
#include "replacement/Replacement.h"
#include "second/Second.h"
#include "segment/Segment.h"
#include "tournament/Tournament.h"
#include "model/exercise/ExerciseState.h"

// Adding an algorithm: its folder, a row here, its translations and its
// tests (its row in the picture test among them).
const std::vector<AlgorithmEntry> &Algorithms()
{
    static const std::vector<AlgorithmEntry> table{
        TournamentEntry(),
        SecondEntry(),
        MergeEntry(),
        ReplacementEntry(),
        HeapEntry(),
        SegmentEntry(),
        ExerciseRowEntry(),
    };
    return table;
}

const std::vector<StatementEntry> &AlgorithmStatements()
{
    static const std::vector<StatementEntry> statements = [] {
        std::vector<StatementEntry> all;
        for (const AlgorithmEntry &entry : Algorithms())
            for (StatementEntry &statement : entry.statements())
                all.push_back(std::move(statement));
        return all;
    }();
    return statements;
}

const std::vector<CommandEntry> &AlgorithmCommands()
{
    static const std::vector<CommandEntry> commands = [] {
        std::vector<CommandEntry> all;
        for (std::size_t i = 0; i < Algorithms().size(); ++i) {
            for (CommandEntry &command : Algorithms()[i].commands()) {
                command.entry = int(i);
                all.push_back(std::move(command));
            }
        }
        return all;
    }();
    return commands;
}

const std::vector<ExerciseEntry> &AlgorithmExercises()
{
    static const std::vector<ExerciseEntry> exercises = [] {
        std::vector<ExerciseEntry> all;
        for (const AlgorithmEntry &entry : Algorithms())
            if (entry.exercises)
                for (ExerciseEntry &exercise : entry.exercises())
                    all.push_back(std::move(exercise));
        return all;
    }();
    return exercises;
}

const ExerciseEntry *FindExercise(const std::string &name)
{
    for (const ExerciseEntry &exercise : AlgorithmExercises())
        if (name == exercise.name)
            return &exercise;
    return nullptr;
}

const CommandEntry *FindCommand(int value)
{
    for (const CommandEntry &command : AlgorithmCommands())
        if (command.value == value)
            return &command;
    return nullptr;
}
