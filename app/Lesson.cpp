#include "Lesson.h"

#include "Script.h"
#include "frames/ArrayPanel.h"
#include "frames/CodePanel.h"
#include "frames/MainFrm.h"
#include "frames/MergePanel.h"
#include "model/TournamentRun.h"
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

// A zoom item, then steps of 100 along each side. The item keeps the sides'
// remainders by 100, which the steps never change.
bool WriteCanvas(QStringList &lines, const CZarniView *view, int preferred)
{
    auto fits = [view](int index) {
        const CSize size = CZarniView::ZoomIndexSize(index);
        return Modulo(view->m_nCanvasWidth - size.cx, 100) == 0 && Modulo(view->m_nCanvasHeight - size.cy, 100) == 0;
    };
    int index = preferred >= 0 && preferred < CZarniView::kZoomItems && fits(preferred) ? preferred : -1;
    for (int i = 0; index < 0 && i < CZarniView::kZoomItems; ++i)
        if (fits(i))
            index = i;
    if (index < 0)
        return false;
    const CSize size = CZarniView::ZoomIndexSize(index);
    lines << QStringLiteral("zoom %1").arg(index);
    Steps(lines, (view->m_nCanvasWidth - size.cx) / 100, "ID_ZOOM_IN_X", "ID_ZOOM_OUT_X");
    Steps(lines, (view->m_nCanvasHeight - size.cy) / 100, "ID_ZOOM_IN_Y", "ID_ZOOM_OUT_Y");
    return true;
}

// Divisors are powers of two, doubled and halved from 32 and 24.
int DoublingsFrom(int start, int divisor)
{
    return int(std::lround(std::log2(double(divisor) / start)));
}

bool InnerLabelsEmpty(const CZarniView *view)
{
    for (int64_t i = 1; i < view->FirstLeaf(); ++i)
        if (!view->NodeAt(i)->m_strLabel.empty())
            return false;
    return true;
}

// How many of a run's matches have written their node's label, in the
// order the run plays them: a run ended part-way by a selection leaves the
// labels of the matches it had played.
int64_t PlayedMatches(const CZarniView *view, int64_t *firstStepOfLast)
{
    const TournamentRun run(view->m_nNodeCount, view->m_nDepth);
    int64_t m = 0;
    while (m < run.MatchCount() && !view->NodeAt(run.Match(m).node)->m_strLabel.empty())
        ++m;
    *firstStepOfLast = m > 0 ? run.FirstStep(m - 1) : 0;
    return m < run.MatchCount() ? m : -1;
}

QString Values(const std::vector<int> &values)
{
    QStringList words;
    for (int v : values)
        words << QString::number(v);
    return words.join(' ');
}

bool WriteLine(QStringList &lines, const QString &line)
{
    if (line.toUtf8().size() > CScriptRunner::kMaxLineBytes)
        return false;
    lines << line;
    return true;
}

// The merge's runs as they were given, and as many pops as were made.
bool WriteMerge(QStringList &lines, const WinnerMerge *merge)
{
    QStringList runs;
    for (int j = 0; j < merge->RunCount(); ++j)
        runs << Values(merge->Run(j));
    if (!WriteLine(lines, QStringLiteral("runs ") + runs.join(QStringLiteral(" / "))))
        return false;
    Repeat(lines, int(merge->Output().size()), "ID_WINNER_POP");
    return true;
}

// A replacement selection's input and memory, shown at the step it stood.
bool WriteReplacement(QStringList &lines, const CZarniView *view)
{
    const ReplacementRecord &record = *view->Replacement();
    if (!WriteLine(lines, QStringLiteral("replace %1 %2").arg(record.Memory()).arg(Values(record.Input()))))
        return false;
    lines << QStringLiteral("seek %1").arg(view->ReplacementStep());
    return true;
}

// The statement that plays a heap's run again.
QString HeapStatement(const HeapAlgorithm &run)
{
    using Kind = HeapAlgorithm::Kind;
    const HeapAlgorithm::Operand operand = run.GivenOperand();
    switch (run.WhichKind()) {
    case Kind::Build: return QStringLiteral("heap build");
    case Kind::BuildByInsert: return QStringLiteral("heap build-by-insert");
    case Kind::Sort: return QStringLiteral("heap sort");
    case Kind::Insert: return QStringLiteral("heap insert %1").arg(operand.value);
    case Kind::Extract: return QStringLiteral("heap extract");
    case Kind::Key: return QStringLiteral("heap key %1 %2").arg(operand.node).arg(operand.value);
    case Kind::Delete: return QStringLiteral("heap delete %1").arg(operand.node);
    }
    return QString();
}

// How many of the heap's values out the run shown extracted: 0 or 1.
std::size_t ExtractedByRun(const CZarniView *view)
{
    int value = 0;
    return view->HeapRun() && view->HeapRun()->Extracted(&value) ? 1 : 0;
}

// A heap's values as they were before the run shown, its kind, and that run
// played again to the step shown. The values extracted before that run are
// not statements of their own.
bool WriteHeap(QStringList &lines, const CZarniView *view, const std::vector<int> &before)
{
    const HeapAlgorithm *run = view->HeapRun();
    const bool min = run ? run->MinHeap() : view->MinHeap();
    const std::size_t extracted = ExtractedByRun(view);
    const std::vector<int> out = view->HeapOut();
    const bool emptied = before.size() == 2 && before[1] == NodeStates::kNoLabel;
    lines << QStringLiteral("nodes %1").arg(before.size() - 1);
    // The empty heap is the one value extracted last before the run shown.
    const std::vector<int> written = emptied ? std::vector<int>{out[out.size() - extracted - 1]}
                                             : std::vector<int>{before.begin() + 1, before.end()};
    if (!WriteLine(lines, QStringLiteral("values ") + Values(written)))
        return false;
    lines << QStringLiteral("heap %1").arg(min ? "min" : "max");
    if (emptied)
        lines << QStringLiteral("heap extract");
    if (out.size() > extracted &&
        !WriteLine(lines, QStringLiteral("heap out ") + Values({out.begin(), out.end() - std::ptrdiff_t(extracted)})))
        return false;
    if (run) {
        lines << HeapStatement(*run);
        if (view->RunStep() < view->RunStepCount())
            lines << QStringLiteral("seek %1").arg(view->RunStep());
    }
    if (view->MinHeap() != min)
        lines << QStringLiteral("heap %1").arg(view->MinHeap() ? "min" : "max");
    return true;
}

// A heap's values before its run, where the statements can give them: whole
// numbers (the empty heap left aside), under no other kind of run.
std::vector<int> HeapValuesBefore(const CZarniView *view)
{
    if (!view->HasHeapValues() || (view->Run() && !view->HeapRun()))
        return {};
    std::vector<int> before = view->ValuesBeforeRun();
    const bool emptied = before.size() == 2 && before[1] == NodeStates::kNoLabel; // the last value extracted
    if (emptied && view->HeapOut().size() > ExtractedByRun(view))
        return before;
    if (std::find(before.begin() + 1, before.end(), NodeStates::kNoLabel) != before.end())
        return {};
    return before;
}

std::vector<int64_t> MarkedNodes(const CZarniView *view, bool *onlySelected)
{
    std::vector<int64_t> marked;
    *onlySelected = true;
    for (int64_t i = 1; i <= view->m_nNodeCount; ++i) {
        if (const int mark = view->NodeAt(i)->m_nMark) {
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

// The tree's labels as they were before the run shown (as they are, with
// no run).
std::vector<std::string> LabelsBeforeRun(const CZarniView *view)
{
    std::vector<std::string> labels(std::size_t(view->m_nNodeCount) + 1);
    const std::vector<int> before = view->Run() ? view->ValuesBeforeRun() : std::vector<int>();
    for (int64_t i = 1; i <= view->m_nNodeCount; ++i)
        labels[std::size_t(i)] = before.empty() ? view->NodeAt(i)->m_strLabel : TournamentRun::LabelOf(before[std::size_t(i)]);
    return labels;
}

// A tree of leaves and the tournament or leaf's path it shows: the leaves
// as they were before the run (a replayed leaf with its old value), the
// tournament played, and the leaf changed again.
bool WriteTournament(QStringList &lines, const CZarniView *view, bool *marksLeft)
{
    using RunState = CZarniView::RunState;
    const RunState run = view->GetRunState();
    lines << QStringLiteral("nodes %1").arg(view->m_nNodeCount);
    std::vector<std::string> labels = LabelsBeforeRun(view);
    int64_t replayed = 0;
    std::string old, after;
    if (view->ReplayedLeaf(&replayed, &old)) { // the leaves get its old value, the leaf statement the new
        after = labels[std::size_t(replayed)];
        labels[std::size_t(replayed)] = old;
    }
    bool numbered = true;
    for (int64_t i = 1; i <= view->m_nNodeCount && numbered; ++i)
        numbered = labels[std::size_t(i)] == std::to_string(i);
    if (!numbered) {
        QStringList leaves;
        for (int64_t i = view->FirstLeaf(); i <= view->m_nNodeCount; ++i)
            leaves << QString::fromStdString(labels[std::size_t(i)]);
        if (!WriteLine(lines, QStringLiteral("leaves ") + leaves.join(' ')))
            return false;
    }
    int64_t steps = 0;
    if (run != RunState::Idle) {
        lines << QStringLiteral("ID_WINNER_END");
        if (replayed)
            lines << QStringLiteral("leaf %1 %2").arg(replayed).arg(QString::fromStdString(after));
        *marksLeft = run == RunState::Done;
    } else if (!numbered && !InnerLabelsEmpty(view)) {
        // Winners shown without a run: the tournament was played and then
        // a selection ended the run.
        if (PlayedMatches(view, &steps) > 0)
            Repeat(lines, int(steps), "ID_WINNER_STEP"); // the selection below ends the run there
        else
            lines << QStringLiteral("ID_WINNER_END");
        *marksLeft = true;
    }
    return true;
}

} // namespace

LessonScript WriteLessonScript(const CZarniView *view, CMainFrame *frame)
{
    const int zoomIndex = frame->m_wndToolBar->m_wndZoomCombo->currentIndex();
    QStringList lines{QStringLiteral("# Zarni lesson: rebuilds one window as it was kept.")};
    if (!WriteCanvas(lines, view, zoomIndex))
        return {QString(), LessonScript::Error::CanvasUnreachable};
    Steps(lines, DoublingsFrom(32, view->m_nXDivisor), "ID_NODE_NARROWER", "ID_NODE_WIDER");
    Steps(lines, DoublingsFrom(24, view->m_nYDivisor), "ID_NODE_SHORTER", "ID_NODE_TALLER");
    if (view->Speed() != 1)
        lines << QStringLiteral("speed %1").arg(view->Speed());
    if (view->LoserTree())
        lines << QStringLiteral("tree loser");
    const LessonScript tooLong{QString(), LessonScript::Error::TooManyValues};
    using RunState = CZarniView::RunState;
    const RunState run = view->GetRunState();
    bool marksLeft = false;
    if (const WinnerMerge *merge = view->Merge()) {
        if (!WriteMerge(lines, merge))
            return tooLong;
    } else if (view->Replacement()) {
        if (!WriteReplacement(lines, view))
            return tooLong;
    } else if (const std::vector<int> before = HeapValuesBefore(view); !before.empty()) {
        if (!WriteHeap(lines, view, before))
            return tooLong;
    } else if (!WriteTournament(lines, view, &marksLeft)) {
        return tooLong;
    }
    // A run stopped part-way is sought to its step once it is rebuilt.
    if (view->Run() && view->RunStep() < view->RunStepCount() && !view->HeapRun() && !view->Replacement())
        lines << QStringLiteral("seek %1").arg(view->RunStep());
    if (run == RunState::Idle && !view->Merge() && !view->Replacement() && !WriteSelection(lines, view, marksLeft))
        lines << QStringLiteral("# (the marks of this window could not be kept)");
    if (view->m_nMouseMode == 0)
        lines << QStringLiteral("ID_MODE_PAN");
    // The panels take their share of the window, and so of the scroll range.
    lines << QStringLiteral("array %1").arg(frame->ArrayPanel()->isHidden() ? "off" : "on")
          << QStringLiteral("code %1").arg(frame->CodePanel()->isHidden() ? "off" : "on")
          << QStringLiteral("merge-panel %1").arg(frame->MergePanel()->isHidden() ? "off" : "on");
    lines << QStringLiteral("scroll %1 %2").arg(view->m_nHScrollPos).arg(view->m_nVScrollPos);
    // Last, so that the steps above play without questions.
    if (frame->Practising())
        lines << QStringLiteral("practice on");
    return {lines.join('\n') + '\n', LessonScript::Error::None};
}
