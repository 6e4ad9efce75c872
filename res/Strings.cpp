#include "Strings.h"

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
        {ID_FILE_EXPORT, QT_TRANSLATE_NOOP("Strings", "將畫布匯出為 PNG、SVG 或 PDF 圖片\n匯出圖片")},
    };
    return table;
}

} // namespace

QString ResourceString(int id)
{
    const auto it = Table().find(id);
    return it == Table().end() ? QString() : QCoreApplication::translate("Strings", it.value());
}
