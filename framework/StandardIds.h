#pragma once
// The framework's standard identifiers: its commands, the windows of a frame
// and the texts it looks up by number. The commands form one enumeration, so
// that their names can be read back (QMetaEnum) by whoever needs them.

#include <QObject>

namespace StandardIds {
Q_NAMESPACE

enum StandardCommand : int {
    ID_FILE_NEW = 0xE100,
    ID_FILE_OPEN = 0xE101,
    ID_FILE_CLOSE = 0xE102,
    ID_FILE_SAVE = 0xE103,
    ID_FILE_SAVE_AS = 0xE104,
    ID_FILE_PRINT_SETUP = 0xE106,
    ID_FILE_PRINT = 0xE107,
    ID_FILE_PRINT_DIRECT = 0xE108,
    ID_FILE_PRINT_PREVIEW = 0xE109,
    ID_FILE_MRU_FILE1 = 0xE110,
    ID_FILE_MRU_FILE2 = 0xE111,
    ID_FILE_MRU_FILE3 = 0xE112,
    ID_FILE_MRU_FILE4 = 0xE113,
    ID_EDIT_COPY = 0xE122,
    ID_EDIT_CUT = 0xE123,
    ID_EDIT_PASTE = 0xE125,
    ID_EDIT_UNDO = 0xE12B,
    ID_WINDOW_NEW = 0xE130,
    ID_WINDOW_ARRANGE = 0xE131,
    ID_WINDOW_CASCADE = 0xE132,
    ID_WINDOW_TILE_HORZ = 0xE133,
    ID_WINDOW_SPLIT = 0xE135,
    ID_APP_ABOUT = 0xE140,
    ID_APP_EXIT = 0xE141,
    ID_NEXT_PANE = 0xE150,
    ID_PREV_PANE = 0xE151,
    ID_VIEW_TOOLBAR = 0xE800,
    ID_VIEW_STATUS_BAR = 0xE801,
    // The Window menu's entry that lists all document windows, after the
    // nine entries from AFX_IDM_FIRST_MDICHILD for the first nine.
    ID_WINDOW_MORE_WINDOWS = 0xFF09,
};
Q_ENUM_NS(StandardCommand)

} // namespace StandardIds

using namespace StandardIds;

constexpr int AFX_IDM_FIRST_MDICHILD = 0xFF00;
constexpr int kMaxWindowMenuEntries = ID_WINDOW_MORE_WINDOWS - AFX_IDM_FIRST_MDICHILD;

// Windows of a frame.
constexpr int AFX_IDW_TOOLBAR = 0xE800;
constexpr int AFX_IDW_STATUS_BAR = 0xE801;
constexpr int AFX_IDW_PANE_FIRST = 0xE900;

// Texts without a command of their own.
enum {
    AFX_IDS_APP_TITLE = 0xE000,
    AFX_IDS_IDLEMESSAGE = 0xE001,
    ID_INDICATOR_EXT = 0xE700,
    ID_INDICATOR_CAPS = 0xE701,
    ID_INDICATOR_NUM = 0xE702,
    ID_INDICATOR_SCRL = 0xE703,
    ID_INDICATOR_OVR = 0xE704,
    ID_INDICATOR_REC = 0xE705,
    AFX_IDS_SCSIZE = 0xEF00,
    AFX_IDS_SCMOVE = 0xEF01,
    AFX_IDS_SCMINIMIZE = 0xEF02,
    AFX_IDS_SCMAXIMIZE = 0xEF03,
    AFX_IDS_SCNEXTWINDOW = 0xEF04,
    AFX_IDS_SCPREVWINDOW = 0xEF05,
    AFX_IDS_SCCLOSE = 0xEF06,
    AFX_IDS_SCRESTORE = 0xEF12,
    AFX_IDS_SCTASKLIST = 0xEF13,
    AFX_IDS_MDICHILD = 0xEF1F,
    AFX_IDS_PREVIEW_CLOSE = 0xF005,
};
