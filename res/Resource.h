#pragma once
// The program's own identifiers: resources and commands. The commands form one
// enumeration, so that their names can be read back (QMetaEnum) by whoever
// needs them.

#include <QObject>

// Resources
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDR_MAINFRAME = 128;
constexpr int IDR_ZARNITYPE = 129;
constexpr int IDC_CURSOR_OPEN_HAND = 133;
constexpr int IDC_CURSOR_CLOSED_HAND = 134;
constexpr int ID_INDICATOR_SIZE = 0xF006;
constexpr int IDC_ZOOM_COMBO = 0xF007;

namespace ZarniIds {
Q_NAMESPACE

// The program's own commands, all handled by the active view. The
// algorithms' commands are in their table (model/algorithms), numbered in
// the gaps they have kept since these were first written.
enum Command : int {
    ID_ZOOM_COMBO = 0x800C,
    ID_ZOOM_OUT = 0x800D,
    ID_ZOOM_IN = 0x800E,
    ID_ZOOM_IN_X = 0x800F,
    ID_ZOOM_IN_Y = 0x8010,
    ID_ZOOM_OUT_X = 0x8011,
    ID_ZOOM_OUT_Y = 0x8012,
    ID_NODE_ADD = 0x8013,
    ID_NODE_REMOVE = 0x8014,
    ID_NODE_WIDER = 0x8015,
    ID_NODE_SHORTER = 0x8016,
    ID_NODE_NARROWER = 0x8017,
    ID_NODE_TALLER = 0x8018,
    ID_MODE_SELECT = 0x8019,
    ID_MODE_PAN = 0x801A,
    ID_WINNER_GO = 0x801B,
    ID_WINNER_EXIT = 0x801C,
    ID_WINNER_TREE = 0x801D,
    ID_FILE_EXPORT = 0x8020, // exports the canvas as an image
    // Driving the run shown.
    ID_WINNER_STEP = 0x8021,
    ID_WINNER_BACK = 0x8022,
    ID_WINNER_RESTART = 0x8023,
    ID_WINNER_END = 0x8024,
    ID_WINNER_FASTER = 0x8025,
    ID_WINNER_SLOWER = 0x8026,
    ID_WINNER_PAUSE = 0x8027,
    // The heap array panel and finding a node.
    ID_VIEW_ARRAY = 0x802C,
    ID_NODE_GOTO = 0x802D,
    // The desktop: full screen, lessons kept as scripts, the language.
    ID_VIEW_FULL_SCREEN = 0x802E,
    ID_FILE_RUN_SCRIPT = 0x802F,
    ID_FILE_SAVE_SCRIPT = 0x8030,
    ID_VIEW_LANGUAGE_ZH = 0x8031,
    ID_VIEW_LANGUAGE_EN = 0x8032,
    // Lessons that can be stopped; the whole tree in the window.
    ID_FILE_STOP_SCRIPT = 0x8033,
    ID_VIEW_FIT = 0x8034,
    ID_VIEW_FIT_FOLLOW = 0x8035,
    ID_VIEW_CODE = 0x8036,
    // Practice: the learner decides the next step.
    ID_VIEW_PRACTICE = 0x8045,
    ID_PRACTICE_HINT = 0x8046,
    // A run for slides.
    ID_FILE_EXPORT_RUN = 0x8047,
    // Readable from the back of the room; the tree's size at a stroke.
    ID_VIEW_TEXT_LARGER = 0x8048,
    ID_VIEW_TEXT_SMALLER = 0x8049,
    ID_VIEW_TEXT_RESET = 0x804A,
    ID_VIEW_INDICES = 0x804B,
    ID_VIEW_NODE_COUNT = 0x804C,
    // A lecture hall: full screen, a presenter's remote steps the run.
    ID_VIEW_PRESENT = 0x8060,
    ID_VIEW_LANGUAGE_ZH_CN = 0x8061, // 0x8062 to 0x806F: more languages (res/Languages.cpp)
    // Every learner can follow: palettes, spoken steps.
    ID_VIEW_PALETTE_STANDARD = 0x8070,
    ID_VIEW_PALETTE_COLORBLIND = 0x8071,
    ID_VIEW_PALETTE_PROJECTOR = 0x8072,
    ID_VIEW_SPEAK = 0x8073,
    // Where to begin: the lessons the program ships.
    ID_HELP_LESSONS = 0x8074,
};
Q_ENUM_NS(Command)

} // namespace ZarniIds

using namespace ZarniIds;
