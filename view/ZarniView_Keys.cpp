// The keyboard reaches every node: the arrows move a node cursor through the
// tree and Enter acts on its node as a click would; the cursor is outlined,
// kept in sight and told to a screen reader as the focus.
#include "Palette.h"
#include "Words.h"
#include "ZarniView.h"

#include "model/TreeGeometry.h"
#include "model/exercise/ExerciseState.h"

#include <QAccessible>

void CZarniView::SetNodeCursor(int64_t index)
{
    if (index < 0 || index > m_nNodeCount)
        index = 0;
    if (index == m_nCursor)
        return;
    viewport()->update(HighlightArea(m_nCursor));
    m_nCursor = index;
    if (!index)
        return;
    ScrollToShow(index, false);
    viewport()->update(HighlightArea(index));
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(int(index - 1));
    QAccessible::updateAccessibility(&focus);
    emit NodeCursorMoved(index, NodeName(index));
    emit NodeHovered(m_nHovered = index); // the array and the status bar follow it as they follow the pointer
}

QString CZarniView::NodeName(int64_t index) const
{
    const NodeLook look = ShownLook(index);
    return ::NodeName(index, QString::fromStdString(m_model.Text(look.value)), look.mark);
}

// Up the parent, Left and Right the neighbours on the level, Down the left
// child; the first arrow puts the cursor on the root. Enter acts on the
// node: in an exercise as a click does, else it selects it alone.
bool CZarniView::CursorKey(int key)
{
    const int64_t at = m_nCursor;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!at)
            return false;
        if (DoingExercise())
            Follow(Exercising().Click(at));
        else
            SelectNode(at, false);
        return true;
    }
    if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Left && key != Qt::Key_Right)
        return false;
    int64_t next = at ? at : 1;
    const int level = TreeGeometry::LevelOf(at);
    if (at && key == Qt::Key_Up && at > 1)
        next = at / 2;
    else if (at && key == Qt::Key_Down && 2 * at <= m_nNodeCount)
        next = 2 * at;
    else if (at && key == Qt::Key_Left && at > TreeGeometry::LevelFirst(level))
        next = at - 1;
    else if (at && key == Qt::Key_Right && at + 1 <= m_nNodeCount && TreeGeometry::LevelOf(at + 1) == level)
        next = at + 1;
    SetNodeCursor(next);
    return true;
}
