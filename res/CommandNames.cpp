#include "CommandNames.h"

#include "Resource.h"

#include <QHash>

const QHash<QString, int> &CommandIdsByName()
{
    static const QHash<QString, int> ids = {
        {QStringLiteral("ID_ZOOM_COMBO"), ID_ZOOM_COMBO},
        {QStringLiteral("ID_ZOOM_OUT"), ID_ZOOM_OUT},
        {QStringLiteral("ID_ZOOM_IN"), ID_ZOOM_IN},
        {QStringLiteral("ID_ZOOM_IN_X"), ID_ZOOM_IN_X},
        {QStringLiteral("ID_ZOOM_IN_Y"), ID_ZOOM_IN_Y},
        {QStringLiteral("ID_ZOOM_OUT_X"), ID_ZOOM_OUT_X},
        {QStringLiteral("ID_ZOOM_OUT_Y"), ID_ZOOM_OUT_Y},
        {QStringLiteral("ID_NODE_ADD"), ID_NODE_ADD},
        {QStringLiteral("ID_NODE_REMOVE"), ID_NODE_REMOVE},
        {QStringLiteral("ID_NODE_WIDER"), ID_NODE_WIDER},
        {QStringLiteral("ID_NODE_SHORTER"), ID_NODE_SHORTER},
        {QStringLiteral("ID_NODE_NARROWER"), ID_NODE_NARROWER},
        {QStringLiteral("ID_NODE_TALLER"), ID_NODE_TALLER},
        {QStringLiteral("ID_MODE_SELECT"), ID_MODE_SELECT},
        {QStringLiteral("ID_MODE_PAN"), ID_MODE_PAN},
        {QStringLiteral("ID_WINNER_GO"), ID_WINNER_GO},
        {QStringLiteral("ID_WINNER_EXIT"), ID_WINNER_EXIT},
        {QStringLiteral("ID_WINNER_TREE"), ID_WINNER_TREE},
        {QStringLiteral("ID_FILE_EXPORT"), ID_FILE_EXPORT},
        {QStringLiteral("ID_FILE_NEW"), ID_FILE_NEW},
        {QStringLiteral("ID_FILE_OPEN"), ID_FILE_OPEN},
        {QStringLiteral("ID_FILE_CLOSE"), ID_FILE_CLOSE},
        {QStringLiteral("ID_FILE_SAVE"), ID_FILE_SAVE},
        {QStringLiteral("ID_FILE_SAVE_AS"), ID_FILE_SAVE_AS},
        {QStringLiteral("ID_FILE_PRINT_SETUP"), ID_FILE_PRINT_SETUP},
        {QStringLiteral("ID_FILE_PRINT"), ID_FILE_PRINT},
        {QStringLiteral("ID_FILE_PRINT_DIRECT"), ID_FILE_PRINT_DIRECT},
        {QStringLiteral("ID_FILE_PRINT_PREVIEW"), ID_FILE_PRINT_PREVIEW},
        {QStringLiteral("ID_FILE_MRU_FILE1"), ID_FILE_MRU_FILE1},
        {QStringLiteral("ID_FILE_MRU_FILE2"), ID_FILE_MRU_FILE2},
        {QStringLiteral("ID_FILE_MRU_FILE3"), ID_FILE_MRU_FILE3},
        {QStringLiteral("ID_FILE_MRU_FILE4"), ID_FILE_MRU_FILE4},
        {QStringLiteral("ID_EDIT_COPY"), ID_EDIT_COPY},
        {QStringLiteral("ID_EDIT_CUT"), ID_EDIT_CUT},
        {QStringLiteral("ID_EDIT_PASTE"), ID_EDIT_PASTE},
        {QStringLiteral("ID_EDIT_UNDO"), ID_EDIT_UNDO},
        {QStringLiteral("ID_WINDOW_NEW"), ID_WINDOW_NEW},
        {QStringLiteral("ID_WINDOW_ARRANGE"), ID_WINDOW_ARRANGE},
        {QStringLiteral("ID_WINDOW_CASCADE"), ID_WINDOW_CASCADE},
        {QStringLiteral("ID_WINDOW_TILE_HORZ"), ID_WINDOW_TILE_HORZ},
        {QStringLiteral("ID_WINDOW_SPLIT"), ID_WINDOW_SPLIT},
        {QStringLiteral("ID_APP_ABOUT"), ID_APP_ABOUT},
        {QStringLiteral("ID_APP_EXIT"), ID_APP_EXIT},
        {QStringLiteral("ID_NEXT_PANE"), ID_NEXT_PANE},
        {QStringLiteral("ID_PREV_PANE"), ID_PREV_PANE},
        {QStringLiteral("ID_VIEW_TOOLBAR"), ID_VIEW_TOOLBAR},
        {QStringLiteral("ID_VIEW_STATUS_BAR"), ID_VIEW_STATUS_BAR},
    };
    return ids;
}
