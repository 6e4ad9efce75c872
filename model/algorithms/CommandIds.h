#pragma once
// The numbers of the algorithms' commands, kept in one place (the
// program's own are in res/Resource.h), so that a new command takes a free
// number here; a test checks that no two commands share one.

namespace AlgorithmIds {

enum : int {
    ID_WINNER_LEAVES = 0x8028,
    ID_WINNER_MERGE = 0x8029,
    ID_WINNER_POP = 0x802A,
    ID_WINNER_POP_ALL = 0x802B,
    ID_HEAP_VALUES = 0x8037,
    ID_HEAP_MAX = 0x8038,
    ID_HEAP_MIN = 0x8039,
    ID_HEAP_BUILD = 0x803A,
    ID_HEAP_BUILD_BY_INSERT = 0x803B,
    ID_HEAP_SORT = 0x803C,
    ID_HEAP_INSERT = 0x803D,
    ID_HEAP_EXTRACT = 0x803E,
    ID_HEAP_KEY = 0x803F,
    ID_HEAP_DELETE = 0x8040,
    ID_WINNER_KIND_WINNER = 0x8041,
    ID_WINNER_KIND_LOSER = 0x8042,
    ID_WINNER_REPLACE = 0x8043,
    ID_WINNER_MERGE_RUNS = 0x8044,
    ID_EXERCISE_NEW = 0x8050,
    ID_EXERCISE_GRADE = 0x8051,
    ID_EXERCISE_SOLUTION = 0x8052,
    ID_EXERCISE_END_MODE = 0x8053,
    ID_WINNER_SECOND = 0x8054,
    ID_SEGMENT_BUILD = 0x8055,
    ID_SEGMENT_SUM = 0x8056,
    ID_SEGMENT_MIN = 0x8057,
    ID_SEGMENT_MAX = 0x8058,
    ID_SEGMENT_SET = 0x8059,
    ID_SEGMENT_QUERY = 0x805A,
    ID_SEGMENT_ADD = 0x805B,
};

} // namespace AlgorithmIds

// A command's name and its number, for the algorithms' table.
#define ZARNI_COMMAND_ID(name) #name, AlgorithmIds::name
