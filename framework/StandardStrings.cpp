#include "StandardStrings.h"

#include "StandardIds.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// The source texts are the Traditional Chinese ones the program shows.
const QHash<int, const char *> &Table()
{
    static const QHash<int, const char *> table = {
        // Texts of the frame.
        {AFX_IDS_APP_TITLE, QT_TRANSLATE_NOOP("StandardStrings", "Zarni")},
        {AFX_IDS_IDLEMESSAGE, QT_TRANSLATE_NOOP("StandardStrings", "就緒")},
        {ID_INDICATOR_EXT, QT_TRANSLATE_NOOP("StandardStrings", "EXT")},
        {ID_INDICATOR_CAPS, QT_TRANSLATE_NOOP("StandardStrings", "CAP")},
        {ID_INDICATOR_NUM, QT_TRANSLATE_NOOP("StandardStrings", "NUM")},
        {ID_INDICATOR_SCRL, QT_TRANSLATE_NOOP("StandardStrings", "SCRL")},
        {ID_INDICATOR_OVR, QT_TRANSLATE_NOOP("StandardStrings", "OVR")},
        {ID_INDICATOR_REC, QT_TRANSLATE_NOOP("StandardStrings", "REC")},
        // The framework's commands: description and tooltip.
        {ID_FILE_NEW, QT_TRANSLATE_NOOP("StandardStrings", "產生一新文件\n開啟新檔")},
        {ID_FILE_OPEN, QT_TRANSLATE_NOOP("StandardStrings", "開啟一舊文件\n開啟舊檔")},
        {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("StandardStrings", "關閉目前的文件\n關閉")},
        {ID_FILE_SAVE, QT_TRANSLATE_NOOP("StandardStrings", "儲存目前的文件\n儲存檔案")},
        {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("StandardStrings", "以新的名稱儲存目前的文件\n另存新檔")},
        {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("StandardStrings", "變更印表機及列印選項\n列印設定")},
        {ID_FILE_PRINT, QT_TRANSLATE_NOOP("StandardStrings", "列印目前的文件\n列印")},
        {ID_FILE_PRINT_DIRECT, QT_TRANSLATE_NOOP("StandardStrings", "以目前的設定列印目前的文件\n快速列印")},
        {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("StandardStrings", "顯示整頁\n預覽列印")},
        {ID_APP_ABOUT, QT_TRANSLATE_NOOP("StandardStrings", "顯示程式的資訊， 版本及版權\n關於")},
        {ID_APP_EXIT, QT_TRANSLATE_NOOP("StandardStrings", "結束應用程式並提示儲存檔案\n結束")},
        {ID_FILE_MRU_FILE1, QT_TRANSLATE_NOOP("StandardStrings", "開啟這個文件")},
        {ID_FILE_MRU_FILE2, QT_TRANSLATE_NOOP("StandardStrings", "開啟這個文件")},
        {ID_FILE_MRU_FILE3, QT_TRANSLATE_NOOP("StandardStrings", "開啟這個文件")},
        {ID_FILE_MRU_FILE4, QT_TRANSLATE_NOOP("StandardStrings", "開啟這個文件")},
        {ID_NEXT_PANE, QT_TRANSLATE_NOOP("StandardStrings", "切換到下一個窗格\n下一窗格")},
        {ID_PREV_PANE, QT_TRANSLATE_NOOP("StandardStrings", "切換回前一個窗格\n前一窗格")},
        {ID_WINDOW_NEW, QT_TRANSLATE_NOOP("StandardStrings", "為目前的文件開啟另一個視窗\n新增視窗")},
        {ID_WINDOW_ARRANGE, QT_TRANSLATE_NOOP("StandardStrings", "排列視窗底部的圖示\n排列圖示")},
        {ID_WINDOW_CASCADE, QT_TRANSLATE_NOOP("StandardStrings", "重疊排列視窗\n重疊視窗")},
        {ID_WINDOW_TILE_HORZ, QT_TRANSLATE_NOOP("StandardStrings", "並排排列視窗\n並排視窗")},
        {ID_WINDOW_SPLIT, QT_TRANSLATE_NOOP("StandardStrings", "將使用中的視窗分割成窗格\n分割")},
        {ID_EDIT_COPY, QT_TRANSLATE_NOOP("StandardStrings", "複製選取範圍並放到剪貼簿\n複製")},
        {ID_EDIT_CUT, QT_TRANSLATE_NOOP("StandardStrings", "剪下選取範圍並放到剪貼簿\n剪下")},
        {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("StandardStrings", "插入剪貼簿的內容\n貼上")},
        {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("StandardStrings", "復原上一個動作\n復原")},
        {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("StandardStrings", "隱藏或顯示工具列\n切換工具列")},
        {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("StandardStrings", "隱藏或顯示狀態列\n切換狀態列")},
        // Window-system prompts.
        {AFX_IDS_SCSIZE, QT_TRANSLATE_NOOP("StandardStrings", "變更視窗大小")},
        {AFX_IDS_SCMOVE, QT_TRANSLATE_NOOP("StandardStrings", "變更視窗位置")},
        {AFX_IDS_SCMINIMIZE, QT_TRANSLATE_NOOP("StandardStrings", "將視窗縮成圖示")},
        {AFX_IDS_SCMAXIMIZE, QT_TRANSLATE_NOOP("StandardStrings", "將視窗放到最大")},
        {AFX_IDS_SCNEXTWINDOW, QT_TRANSLATE_NOOP("StandardStrings", "切換到下一個文件視窗")},
        {AFX_IDS_SCPREVWINDOW, QT_TRANSLATE_NOOP("StandardStrings", "切換到前一個文件視窗")},
        {AFX_IDS_SCCLOSE, QT_TRANSLATE_NOOP("StandardStrings", "關閉使用中的視窗並提示儲存文件")},
        {AFX_IDS_SCRESTORE, QT_TRANSLATE_NOOP("StandardStrings", "將視窗還原成正常大小")},
        {AFX_IDS_SCTASKLIST, QT_TRANSLATE_NOOP("StandardStrings", "啟動工作清單")},
        {AFX_IDS_MDICHILD, QT_TRANSLATE_NOOP("StandardStrings", "啟動這個視窗")},
        {AFX_IDS_PREVIEW_CLOSE, QT_TRANSLATE_NOOP("StandardStrings", "關閉預覽列印模式\n取消預覽")},
    };
    return table;
}

} // namespace

QString StandardString(int id)
{
    const auto it = Table().find(id);
    return it == Table().end() ? QString() : QCoreApplication::translate("StandardStrings", it.value());
}
