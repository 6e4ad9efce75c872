#include "Lesson.h"

#include "Script.h"
#include "frames/ArrayPanel.h"
#include "frames/CodePanel.h"
#include "frames/MainFrm.h"
#include "frames/RecordPanel.h"
#include "model/algorithms/Algorithm.h"
#include "view/ZarniView.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

// "repeat N COMMAND", or nothing for no repetition.
void Repeat(QStringList &lines, int count, const char *command)
{
    if (count == 1)
        lines << command;
    else if (count > 1)
        lines << QStringLiteral("repeat %1 %2").arg(count).arg(command);
}

void Steps(QStringList &lines, int steps, const char *up, const char *down)
{
    Repeat(lines, steps, up);
    Repeat(lines, -steps, down);
}

int Modulo(int a, int m)
{
    return ((a % m) + m) % m;
}

// A zoom item, then steps of 100 along each side (the item keeps the sides'
// remainders by 100, which the steps never change); a canvas no item
// reaches so (a fitted one) is written as it is.
void WriteCanvas(QStringList &lines, const CZarniView *view, int preferred)
{
    auto fits = [view](int index) {
        const CSize size = CZarniView::ZoomIndexSize(index);
        return Modulo(view->m_nCanvasWidth - size.cx, 100) == 0 && Modulo(view->m_nCanvasHeight - size.cy, 100) == 0;
    };
    int index = preferred >= 0 && preferred < CZarniView::kZoomItems && fits(preferred) ? preferred : -1;
    for (int i = 0; index < 0 && i < CZarniView::kZoomItems; ++i)
        if (fits(i))
            index = i;
    if (index < 0) {
        lines << QStringLiteral("canvas %1 %2").arg(view->m_nCanvasWidth).arg(view->m_nCanvasHeight);
        return;
    }
    const CSize size = CZarniView::ZoomIndexSize(index);
    lines << QStringLiteral("zoom %1").arg(index);
    Steps(lines, (view->m_nCanvasWidth - size.cx) / 100, "ID_ZOOM_IN_X", "ID_ZOOM_OUT_X");
    Steps(lines, (view->m_nCanvasHeight - size.cy) / 100, "ID_ZOOM_IN_Y", "ID_ZOOM_OUT_Y");
}

// Divisors are powers of two, doubled and halved from 32 and 24.
int DoublingsFrom(int start, int divisor)
{
    return int(std::lround(std::log2(double(divisor) / start)));
}

std::vector<int64_t> MarkedNodes(const CZarniView *view, bool *onlySelected)
{
    std::vector<int64_t> marked;
    *onlySelected = true;
    for (int64_t i = 1; i <= view->m_nNodeCount; ++i) {
        if (const int mark = view->Mark(i)) {
            marked.push_back(i);
            *onlySelected &= mark == kMarkHighlighted;
        }
    }
    return marked;
}

struct Band {
    CPoint press, release; // canvas coordinates
};

std::vector<int64_t> SelectedBy(const CZarniView *view, const Band &band)
{
    const CPoint a = band.press, b = band.release;
    const TreeGeometry geometry = view->Geometry();
    std::vector<int64_t> selected;
    for (int level = 1; level <= view->m_nDepth; ++level) {
        const LevelRun run = geometry.Selected(level, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                                               std::max(a.y, b.y));
        for (int64_t k = run.first; k < run.end; ++k)
            selected.push_back(TreeGeometry::LevelFirst(level) + k);
    }
    return selected;
}

// The bands that may have made the selection: the one the view kept (its
// top left corner and the release point, whole when the release was below
// and right of the press), and the one around the boxes selected.
std::vector<Band> CandidateBands(const CZarniView *view, const std::vector<int64_t> &marked)
{
    if (marked.empty())
        return {{view->m_ptDragStart, view->m_ptDragCurrent}};
    const TreeGeometry geometry = view->Geometry();
    CRect around = geometry.Box(geometry.Position(marked.front()));
    for (int64_t i : marked) {
        const CRect box = geometry.Box(geometry.Position(i));
        around = {std::min(around.left, box.left), std::min(around.top, box.top), std::max(around.right, box.right),
                  std::max(around.bottom, box.bottom)};
    }
    // A band selects the boxes strictly inside it.
    return {{view->m_ptDragStart, view->m_ptDragCurrent},
            {{around.left - 1, around.top - 1}, {around.right + 1, around.bottom + 1}}};
}

// A selection made with the band is made again with a band that selects
// the same nodes; a node selected alone is found again. After statements
// that leave marks, a selection of nothing is made again too.
bool WriteSelection(QStringList &lines, const CZarniView *view, bool marksLeft)
{
    bool onlySelected = false;
    const std::vector<int64_t> marked = MarkedNodes(view, &onlySelected);
    if (marked.empty() && !marksLeft)
        return true;
    if (!onlySelected)
        return false;
    for (const Band &band : CandidateBands(view, marked)) {
        if (SelectedBy(view, band) != marked)
            continue;
        const int sx = view->m_nHScrollPos, sy = view->m_nVScrollPos;
        lines << QStringLiteral("scroll %1 %2").arg(sx).arg(sy)
              << QStringLiteral("press %1 %2").arg(band.press.x - sx).arg(band.press.y - sy)
              << QStringLiteral("move %1 %2").arg(band.release.x - sx).arg(band.release.y - sy)
              << QStringLiteral("release %1 %2").arg(band.release.x - sx).arg(band.release.y - sy);
        return true;
    }
    if (marked.size() == 1) {
        lines << QStringLiteral("goto %1").arg(marked.front());
        return true;
    }
    return false;
}

} // namespace

LessonScript WriteLessonScript(const CZarniView *view, CMainFrame *frame)
{
    const int zoomIndex = frame->m_wndToolBar->m_wndZoomCombo->currentIndex();
    QStringList lines{QStringLiteral("# Zarni lesson: rebuilds one window as it was kept.")};
    WriteCanvas(lines, view, zoomIndex);
    Steps(lines, DoublingsFrom(32, view->m_nXDivisor), "ID_NODE_NARROWER", "ID_NODE_WIDER");
    Steps(lines, DoublingsFrom(24, view->m_nYDivisor), "ID_NODE_SHORTER", "ID_NODE_TALLER");
    if (view->Speed() != 1)
        lines << QStringLiteral("speed %1").arg(view->Speed());
    // The algorithms' settings, then the tree and its run as the algorithm
    // that holds it writes them: the table's first row, the tournament,
    // writes any tree the others do not hold, so it is asked last.
    LessonLines written;
    for (const auto &state : view->Model().States())
        state->WriteSettings(written);
    LessonTree tree;
    const auto &states = view->Model().States();
    for (auto it = states.rbegin(); it != states.rend() && !tree.written; ++it)
        tree = (*it)->WriteTree(written);
    if (written.tooLong)
        return {QString(), LessonScript::Error::TooManyValues};
    for (const std::string &line : written.lines)
        lines << QString::fromStdString(line);
    if (view->GetRunState() == CZarniView::RunState::Idle && tree.selection && !WriteSelection(lines, view, tree.marksLeft))
        lines << QStringLiteral("# (the marks of this window could not be kept)");
    if (view->m_nMouseMode == CZarniView::kPan)
        lines << QStringLiteral("ID_MODE_PAN");
    // The panels take their share of the window, and so of the scroll range.
    lines << QStringLiteral("array %1").arg(frame->ArrayPanel()->isHidden() ? "off" : "on")
          << QStringLiteral("code %1").arg(frame->CodePanel()->isHidden() ? "off" : "on")
          << QStringLiteral("merge-panel %1").arg(frame->RecordPanel()->isHidden() ? "off" : "on");
    // A following canvas fits the window the lesson opens in, once the
    // panels have taken their share.
    if (view->FitFollow())
        lines << QStringLiteral("fit follow on");
    lines << QStringLiteral("scroll %1 %2").arg(view->m_nHScrollPos).arg(view->m_nVScrollPos);
    // Last, so that the steps above play without questions.
    if (frame->Practising())
        lines << QStringLiteral("practice on");
    return {lines.join('\n') + '\n', LessonScript::Error::None};
}
