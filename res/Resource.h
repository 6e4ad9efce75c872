#pragma once
// Command and resource identifiers.

// Resources
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDR_MAINFRAME = 128;
constexpr int IDR_ZARNITYPE = 129;
constexpr int IDC_CURSOR_OPEN_HAND = 133;
constexpr int IDC_CURSOR_CLOSED_HAND = 134;
constexpr int ID_INDICATOR_SIZE = 0xF006;
constexpr int IDC_ZOOM_COMBO = 0xF007;
constexpr int AFX_IDW_TOOLBAR = 0xE800;
constexpr int AFX_IDW_STATUS_BAR = 0xE801;
constexpr int AFX_IDW_PANE_FIRST = 0xE900;

// The program's own commands, all handled by the active view.
constexpr int ID_ZOOM_COMBO = 0x800C;
constexpr int ID_ZOOM_OUT = 0x800D;
constexpr int ID_ZOOM_IN = 0x800E;
constexpr int ID_ZOOM_IN_X = 0x800F;
constexpr int ID_ZOOM_IN_Y = 0x8010;
constexpr int ID_ZOOM_OUT_X = 0x8011;
constexpr int ID_ZOOM_OUT_Y = 0x8012;
constexpr int ID_NODE_ADD = 0x8013;
constexpr int ID_NODE_REMOVE = 0x8014;
constexpr int ID_NODE_WIDER = 0x8015;
constexpr int ID_NODE_SHORTER = 0x8016;
constexpr int ID_NODE_NARROWER = 0x8017;
constexpr int ID_NODE_TALLER = 0x8018;
constexpr int ID_MODE_SELECT = 0x8019;
constexpr int ID_MODE_PAN = 0x801A;
constexpr int ID_WINNER_GO = 0x801B;
constexpr int ID_WINNER_EXIT = 0x801C;
constexpr int ID_WINNER_TREE = 0x801D;
constexpr int ID_FILE_EXPORT = 0x8020; // exports the canvas as an image

// The framework's standard commands.
constexpr int ID_FILE_NEW = 0xE100;
constexpr int ID_FILE_OPEN = 0xE101;
constexpr int ID_FILE_CLOSE = 0xE102;
constexpr int ID_FILE_SAVE = 0xE103;
constexpr int ID_FILE_SAVE_AS = 0xE104;
constexpr int ID_FILE_PRINT_SETUP = 0xE106;
constexpr int ID_FILE_PRINT = 0xE107;
constexpr int ID_FILE_PRINT_DIRECT = 0xE108;
constexpr int ID_FILE_PRINT_PREVIEW = 0xE109;
constexpr int ID_FILE_MRU_FILE1 = 0xE110;
constexpr int ID_FILE_MRU_FILE2 = 0xE111;
constexpr int ID_FILE_MRU_FILE3 = 0xE112;
constexpr int ID_FILE_MRU_FILE4 = 0xE113;
constexpr int ID_EDIT_COPY = 0xE122;
constexpr int ID_EDIT_CUT = 0xE123;
constexpr int ID_EDIT_PASTE = 0xE125;
constexpr int ID_EDIT_UNDO = 0xE12B;
constexpr int ID_WINDOW_NEW = 0xE130;
constexpr int ID_WINDOW_ARRANGE = 0xE131;
constexpr int ID_WINDOW_CASCADE = 0xE132;
constexpr int ID_WINDOW_TILE_HORZ = 0xE133;
constexpr int ID_WINDOW_SPLIT = 0xE135;
constexpr int ID_APP_ABOUT = 0xE140;
constexpr int ID_APP_EXIT = 0xE141;
constexpr int ID_NEXT_PANE = 0xE150;
constexpr int ID_PREV_PANE = 0xE151;
// The Window menu's entries for the open document windows, in window order,
// and the entry that lists them all when there are more than nine.
constexpr int AFX_IDM_FIRST_MDICHILD = 0xFF00;
constexpr int kMaxWindowMenuEntries = 9;
constexpr int ID_WINDOW_MORE_WINDOWS = AFX_IDM_FIRST_MDICHILD + kMaxWindowMenuEntries;
constexpr int ID_VIEW_TOOLBAR = 0xE800;
constexpr int ID_VIEW_STATUS_BAR = 0xE801;
