#include "Strings.h"

#include "Languages.h"
#include "Resource.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// The source texts are the Traditional Chinese ones the program shows.
const QHash<int, const char *> &Table()
{
    static const QHash<int, const char *> table = {
        {IDR_MAINFRAME, QT_TRANSLATE_NOOP("Strings", "Zarni")},
        {IDR_ZARNITYPE, QT_TRANSLATE_NOOP("Strings", "\nZarni\nZarni\n\n\nZarni.Document\nZarni Document")},
        {ID_INDICATOR_SIZE, QT_TRANSLATE_NOOP("Strings", "n * n")},
        {IDC_ZOOM_COMBO, QT_TRANSLATE_NOOP("Strings", "toolbar中的combo")},
        // The program's own commands: a description only.
        {ID_ZOOM_OUT, QT_TRANSLATE_NOOP("Strings", "縮小")},
        {ID_ZOOM_IN, QT_TRANSLATE_NOOP("Strings", "放大")},
        {ID_ZOOM_IN_X, QT_TRANSLATE_NOOP("Strings", "放大X軸")},
        {ID_ZOOM_IN_Y, QT_TRANSLATE_NOOP("Strings", "放大Y軸")},
        {ID_ZOOM_OUT_X, QT_TRANSLATE_NOOP("Strings", "縮小X軸")},
        {ID_ZOOM_OUT_Y, QT_TRANSLATE_NOOP("Strings", "縮小Y軸")},
        {ID_NODE_ADD, QT_TRANSLATE_NOOP("Strings", "增加node")},
        {ID_NODE_REMOVE, QT_TRANSLATE_NOOP("Strings", "減少node")},
        {ID_WINNER_PAUSE, QT_TRANSLATE_NOOP("Strings", "暫停或繼續播放\n暫停")},
        {ID_WINNER_STEP, QT_TRANSLATE_NOOP("Strings", "往前一步\n下一步")},
        {ID_WINNER_BACK, QT_TRANSLATE_NOOP("Strings", "退回一步\n上一步")},
        {ID_WINNER_RESTART, QT_TRANSLATE_NOOP("Strings", "回到這次執行開始之前\n從頭開始")},
        {ID_WINNER_END, QT_TRANSLATE_NOOP("Strings", "一次播完這次執行剩下的步驟\n直接看結果")},
        {ID_VIEW_ARRAY, QT_TRANSLATE_NOOP("Strings", "顯示或隱藏樹的陣列\n陣列")},
        {ID_FILE_EXPORT_RUN, QT_TRANSLATE_NOOP("Strings", "把執行過程存成動畫 GIF，或每一步一頁的 PDF\n匯出動畫")},
        {ID_VIEW_PRACTICE, QT_TRANSLATE_NOOP("Strings", "每個決定下一步的地方先停下來，讓你自己決定\n練習模式")},
        {ID_PRACTICE_HINT, QT_TRANSLATE_NOOP("Strings", "指出這一題比較的是哪些節點，不算錯\n提示")},
        {ID_VIEW_CODE, QT_TRANSLATE_NOOP("Strings", "顯示或隱藏執行中演算法的虛擬碼、說明與計數\n程式碼")},
        {ID_NODE_GOTO, QT_TRANSLATE_NOOP("Strings", "捲到某個節點並選取它\n跳至節點")},
        {ID_VIEW_FULL_SCREEN, QT_TRANSLATE_NOOP("Strings", "主視窗佔滿整個螢幕，或回到原來大小\n全螢幕")},
        {ID_VIEW_PRESENT, QT_TRANSLATE_NOOP("Strings", "全螢幕上課：翻頁鍵走下一步或上一步，B 鍵讓畫面變黑\n簡報模式")},
        {ID_HELP_LESSONS, QT_TRANSLATE_NOOP("Strings", "程式附的課程和你自己的課程，點一下就開始\n範例課程")},
        {ID_FILE_RUN_SCRIPT, QT_TRANSLATE_NOOP("Strings", "在目前的程式中執行一個腳本檔\n執行腳本")},
        {ID_FILE_SAVE_SCRIPT, QT_TRANSLATE_NOOP("Strings", "把目前的視窗存成能重建它的腳本\n另存為腳本")},
        {ID_WINNER_FASTER, QT_TRANSLATE_NOOP("Strings", "播放加快一倍\n加快")},
        {ID_WINNER_SLOWER, QT_TRANSLATE_NOOP("Strings", "播放放慢一倍\n放慢")},
        {ID_FILE_EXPORT, QT_TRANSLATE_NOOP("Strings", "將畫布匯出為 PNG、SVG 或 PDF 圖片\n匯出圖片")},
        {ID_FILE_STOP_SCRIPT, QT_TRANSLATE_NOOP("Strings", "在目前的敘述停下執行中的腳本\n停止腳本")},
        {ID_VIEW_FIT, QT_TRANSLATE_NOOP("Strings", "把畫布設成視窗的大小，整棵樹不用捲動就看得到\n整棵樹放進視窗")},
        {ID_VIEW_FIT_FOLLOW, QT_TRANSLATE_NOOP("Strings", "視窗或面板改變大小時，畫布跟著改變\n跟著視窗")},
        {ID_VIEW_TEXT_LARGER, QT_TRANSLATE_NOOP("Strings", "面板、說明和陣列的文字放大一級\n文字放大")},
        {ID_VIEW_TEXT_SMALLER, QT_TRANSLATE_NOOP("Strings", "面板、說明和陣列的文字縮小一級\n文字縮小")},
        {ID_VIEW_TEXT_RESET, QT_TRANSLATE_NOOP("Strings", "面板、說明和陣列的文字回到原來的大小\n文字原來大小")},
        {ID_VIEW_INDICES, QT_TRANSLATE_NOOP("Strings", "方框顯示的不是節點編號時，在角落小字標出編號\n顯示節點編號")},
        {ID_VIEW_NODE_COUNT, QT_TRANSLATE_NOOP("Strings", "換成指定節點數的編號樹\n節點數")},
        {ID_VIEW_SPEAK, QT_TRANSLATE_NOOP("Strings", "用目前的語言唸出每一步的說明\n朗讀")},
    };
    return table;
}

} // namespace

QString ResourceString(int id)
{
    const auto it = Table().find(id);
    if (it != Table().end())
        return QCoreApplication::translate("Strings", it.value());
    const Language *language = LanguageOfCommand(id);
    return language ? QCoreApplication::translate("Strings", language->prompt) : QString();
}

QString Alternatives(QStringList choices)
{
    const QString last = choices.isEmpty() ? QString() : choices.takeLast();
    return choices.isEmpty() ? last : choices.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}
