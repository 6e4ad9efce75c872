#include "Strings.h"

#include "Resource.h"

#include <QHash>

namespace {

const QHash<int, const char *> &Table()
{
    static const QHash<int, const char *> table = {
        {IDR_MAINFRAME, "Zarni"},
        {IDR_ZARNITYPE, "\nZarni\nZarni\n\n\nZarni.Document\nZarni Document"},
        {AFX_IDS_APP_TITLE, "Zarni"},
        {AFX_IDS_IDLEMESSAGE, "就緒"},
        {ID_INDICATOR_SIZE, "n * n"},
        {IDC_ZOOM_COMBO, "toolbar中的combo"},
        {ID_INDICATOR_EXT, "EXT"},
        {ID_INDICATOR_CAPS, "CAP"},
        {ID_INDICATOR_NUM, "NUM"},
        {ID_INDICATOR_SCRL, "SCRL"},
        {ID_INDICATOR_OVR, "OVR"},
        {ID_INDICATOR_REC, "REC"},
        // The program's own commands: a description only.
        {ID_ZOOM_OUT, "縮小"},
        {ID_ZOOM_IN, "放大"},
        {ID_ZOOM_IN_X, "放大X軸"},
        {ID_ZOOM_IN_Y, "放大Y軸"},
        {ID_ZOOM_OUT_X, "縮小X軸"},
        {ID_ZOOM_OUT_Y, "縮小Y軸"},
        {ID_NODE_ADD, "增加node"},
        {ID_NODE_REMOVE, "減少node"},
        {ID_FILE_EXPORT, "將畫布匯出為 PNG、SVG 或 PDF 圖片\n匯出圖片"},
        // The framework's commands: description and tooltip.
        {ID_FILE_NEW, "產生一新文件\n開啟新檔"},
        {ID_FILE_OPEN, "開啟一舊文件\n開啟舊檔"},
        {ID_FILE_CLOSE, "關閉目前的文件\n關閉"},
        {ID_FILE_SAVE, "儲存目前的文件\n儲存檔案"},
        {ID_FILE_SAVE_AS, "以新的名稱儲存目前的文件\n另存新檔"},
        {ID_FILE_PRINT_SETUP, "變更印表機及列印選項\n列印設定"},
        {ID_FILE_PRINT, "列印目前的文件\n列印"},
        {ID_FILE_PRINT_DIRECT, "以目前的設定列印目前的文件\n快速列印"},
        {ID_FILE_PRINT_PREVIEW, "顯示整頁\n預覽列印"},
        {ID_APP_ABOUT, "顯示程式的資訊， 版本及版權\n關於"},
        {ID_APP_EXIT, "結束應用程式並提示儲存檔案\n結束"},
        {ID_FILE_MRU_FILE1, "開啟這個文件"},
        {ID_FILE_MRU_FILE2, "開啟這個文件"},
        {ID_FILE_MRU_FILE3, "開啟這個文件"},
        {ID_FILE_MRU_FILE4, "開啟這個文件"},
        {ID_NEXT_PANE, "切換到下一個窗格\n下一窗格"},
        {ID_PREV_PANE, "切換回前一個窗格\n前一窗格"},
        {ID_WINDOW_NEW, "為目前的文件開啟另一個視窗\n新增視窗"},
        {ID_WINDOW_ARRANGE, "排列視窗底部的圖示\n排列圖示"},
        {ID_WINDOW_CASCADE, "重疊排列視窗\n重疊視窗"},
        {ID_WINDOW_TILE_HORZ, "並排排列視窗\n並排視窗"},
        {ID_WINDOW_SPLIT, "將使用中的視窗分割成窗格\n分割"},
        {ID_EDIT_COPY, "複製選取範圍並放到剪貼簿\n複製"},
        {ID_EDIT_CUT, "剪下選取範圍並放到剪貼簿\n剪下"},
        {ID_EDIT_PASTE, "插入剪貼簿的內容\n貼上"},
        {ID_EDIT_UNDO, "復原上一個動作\n復原"},
        {ID_VIEW_TOOLBAR, "隱藏或顯示工具列\n切換工具列"},
        {ID_VIEW_STATUS_BAR, "隱藏或顯示狀態列\n切換狀態列"},
        // Window-system prompts.
        {AFX_IDS_SCSIZE, "變更視窗大小"},
        {AFX_IDS_SCMOVE, "變更視窗位置"},
        {AFX_IDS_SCMINIMIZE, "將視窗縮成圖示"},
        {AFX_IDS_SCMAXIMIZE, "將視窗放到最大"},
        {AFX_IDS_SCNEXTWINDOW, "切換到下一個文件視窗"},
        {AFX_IDS_SCPREVWINDOW, "切換到前一個文件視窗"},
        {AFX_IDS_SCCLOSE, "關閉使用中的視窗並提示儲存文件"},
        {AFX_IDS_SCRESTORE, "將視窗還原成正常大小"},
        {AFX_IDS_SCTASKLIST, "啟動工作清單"},
        {AFX_IDS_MDICHILD, "啟動這個視窗"},
        {AFX_IDS_PREVIEW_CLOSE, "關閉預覽列印模式\n取消預覽"},
    };
    return table;
}

} // namespace

QString LoadString(int id)
{
    const auto it = Table().find(id);
    return it == Table().end() ? QString() : QString::fromUtf8(it.value());
}

QString PromptDescription(int id)
{
    return LoadString(id).section('\n', 0, 0);
}

QString PromptTooltip(int id)
{
    return LoadString(id).section('\n', 1, 1);
}
