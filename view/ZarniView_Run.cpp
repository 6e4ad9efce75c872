// The run shown on the tree: its player and commands, what each step
// repaints, the picture of a run that paints its boxes one by one, and the
// two values a swap slides between their boxes.
#include "ZarniView.h"

#include "Palette.h"
#include "RunPlayer.h"
#include "Words.h"

#include "model/algorithms/Algorithm.h"

#include <QEventLoop>
#include <QPainter>
#include <QPointer>
#include <algorithm>

void CZarniView::OnWinnerPause()
{
    if (IsPlaying())
        m_pPlayer->Pause();
    else if (GetRunState() == RunState::Paused)
        OnWinnerGo();
}

bool CZarniView::IsPlaying() const
{
    return m_pPlayer->Playing();
}

void CZarniView::PlayOn()
{
    m_pPlayer->Resume();
}

bool CZarniView::IsHeld() const
{
    return m_pPlayer->Held() && GetRunState() == RunState::Paused;
}

// A playing run pauses after the step; a step or the end starts the run Go
// starts only where nothing else is shown (a finished run stays).
void CZarniView::OnWinnerStep()
{
    m_pPlayer->Pause();
    if (m_model.StepStartsRun())
        StartDefaultRun();
    m_model.StepForward();
    emit RunStateChanged();
}

void CZarniView::OnWinnerBack()
{
    m_pPlayer->Pause();
    m_model.StepBack();
    emit RunStateChanged();
}

void CZarniView::OnWinnerRestart()
{
    SeekRun(0);
}

// Every remaining step at once, without painting them one by one.
void CZarniView::OnWinnerEnd()
{
    m_pPlayer->Pause();
    if (m_model.StepStartsRun())
        StartDefaultRun();
    SeekRun(RunStepCount());
}

bool CZarniView::SeekRun(int64_t step)
{
    m_pPlayer->Pause();
    if (!Run() || step < 0 || step > RunStepCount())
        return false;
    m_model.SeekTo(step);
    emit RunStateChanged();
    return true;
}

void CZarniView::ReadRunQuietly(const std::function<void(TreeModel &)> &read)
{
    m_pPlayer->Pause();
    const int64_t shown = RunStep();
    m_model.SetObserver(nullptr);
    read(m_model);
    m_model.SeekTo(shown);
    m_model.SetObserver(this);
}

bool CZarniView::Follow(const Outcome &outcome)
{
    if (outcome.Failed())
        return false;
    if (outcome.then == Outcome::Then::Play)
        m_pPlayer->Play();
    else if (outcome.then == Outcome::Then::PlayTo)
        m_pPlayer->Play(outcome.target);
    emit RunStateChanged();
    return true;
}

void CZarniView::WaitWhilePlaying(CZarniView *view)
{
    QPointer<CZarniView> watched = view;
    if (!watched || !watched->IsPlaying())
        return;
    QEventLoop loop;
    connect(view, &CZarniView::RunStateChanged, &loop, [&] {
        if (!watched->IsPlaying())
            loop.quit();
    });
    connect(view, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
}

QString CZarniView::Narration() const
{
    return Words(m_model.Narration());
}

QString CZarniView::ShownNarration() const
{
    return Words(m_model.ShownNarration());
}

QStringList CZarniView::Listing() const
{
    QStringList lines;
    for (const ListingLine &line : Run() ? Run()->Lines() : m_model.LastListing())
        lines << QString(2 * line.indent, ' ') + Words(line.text);
    return lines;
}

void CZarniView::Narrate()
{
    emit RunNarrated(ShownNarration());
}

// A run loaded, ended or changed, or an algorithm's record: the player lets
// go of a run no longer shown, and the slide and the panels follow.
void CZarniView::RunChanged()
{
    EndSlide();
    if (IsPlaying() && !m_model.Playing())
        m_pPlayer->Pause();
    emit RecordChanged();
    emit RunStateChanged();
}

// A step played forward: a step that paints its box paints it on the
// window; any other repaints what it changed (all of it after painted
// boxes, whose picture it ends).
void CZarniView::StepPlayed(int64_t step)
{
    const BoxSegment segment = Run()->Boxes(step);
    if (segment.boxes) {
        CWindowDC dc(this);
        PaintNodeBox(&dc, Run()->Steps().Step(step).focus);
        dc.Flush();
        UpdatePointedNodes(); // a step before may have pointed at some
    } else {
        step > 1 && Run()->Boxes(step - 1).boxes ? Invalidate() : InvalidateStep(step);
        UpdatePointedNodes();
        StartSlide(step);
    }
    emit RecordChanged();
    Narrate();
    if (const Message summary = m_model.Summary(); !summary.Empty())
        emit RunNarrated(Words(summary));
    emit StepShown(step);
}

// One step back changes the picture only where that step painted or wrote;
// a longer way is repainted whole.
void CZarniView::Sought(int64_t from, int64_t to)
{
    EndSlide();
    if (to == from - 1 && !Run()->Boxes(from).boxes == !Run()->Boxes(to).boxes)
        InvalidateStep(from);
    else if (to != from)
        Invalidate();
    UpdatePointedNodes();
    emit RecordChanged();
    Narrate();
    emit StepShown(to);
}

void CZarniView::InvalidateStep(int64_t step)
{
    const Timeline &steps = Run()->Steps();
    if (const int64_t focus = steps.Step(step).focus)
        InvalidateRect(WindowBox(focus));
    for (const NodeChange &change : steps.ChangesOf(step)) {
        if (change.WhichField() == NodeChange::kCount)
            continue;
        InvalidateRect(WindowBox(change.Node()));
        if (change.WhichField() == NodeChange::kSwap) // the other node is in `from`
            InvalidateRect(WindowBox(change.from));
    }
}

// What a node showed once the painting steps up to `step` had been played,
// read from the node as it stands and from what the later steps overwrote:
// only the steps that write the node can have.
CZarniView::NodeLook CZarniView::LookAfter(int64_t index, int64_t step, const BoxSegment &segment) const
{
    const Timeline &steps = Run()->Steps();
    NodeLook look{m_model.Value(index), m_model.Mark(index)};
    int64_t writers[2];
    segment.boxes->WritersOf(index, writers);
    for (const int64_t local : writers) {
        const int64_t writer = local ? segment.offset + local : 0;
        if (writer <= segment.offset + step || writer > steps.Shown())
            continue;
        int before = 0;
        if (steps.Before(writer, index, NodeChange::kValue, &before))
            look.value = before;
        if (steps.Before(writer, index, NodeChange::kMark, &before))
            look.mark = before;
    }
    return look;
}

// What the window shows of a node: in the middle of painting steps, its
// box as last painted.
CZarniView::NodeLook CZarniView::ShownLook(int64_t index) const
{
    if (!PicturingRun())
        return {m_model.Value(index), m_model.Mark(index)};
    const BoxSegment segment = Run()->Boxes(RunStep());
    return LookAfter(index, segment.boxes->LastPaintingOf(index, RunStep() - segment.offset), segment);
}

// A run between its first and last step, at a step that painted a box,
// shows the boxes its painting steps painted, not the tree as it stands.
bool CZarniView::PicturingRun() const
{
    return Run() && RunStep() > 0 && RunStep() < RunStepCount() && Run()->Boxes(RunStep()).boxes;
}

// The window's picture after the steps shown, as the run painted it: the
// tree as it stood before the painting steps, then the box of every step in
// turn with the value and mark it had when it was painted. A box painted
// later at the same place covers every earlier painting there, so only the
// last painting at each place is drawn; and only places that can reach the
// clip box are looked at.
void CZarniView::DrawRunPicture(CDrawSurface *dc)
{
    const BoxSegment segment = Run()->Boxes(RunStep());
    const int64_t shown = RunStep() - segment.offset;
    const TreeGeometry g = Geometry();
    const CRect clip = dc->GetClipBox();
    std::vector<LevelRun> reached(std::size_t(m_nDepth) + 1);
    for (int level = 1; level <= m_nDepth && TreeGeometry::LevelFirst(level) <= m_nNodeCount; ++level)
        reached[std::size_t(level)] = g.PlacesReaching(level, clip.left, clip.top, clip.right, clip.bottom, true);
    DrawTreeBeforeRun(dc, reached, segment);
    struct Painting {
        int64_t step;
        int64_t index;
    };
    std::vector<Painting> paintings;
    for (int level = 1; level < int(reached.size()); ++level) {
        const LevelRun places = reached[std::size_t(level)];
        for (int64_t k = places.first; k < places.end;) {
            const int64_t placeEnd = std::min(g.FirstAtOrRightOf(level, g.X(level, k) + 1), places.end);
            Painting last{0, 0};
            for (; k < placeEnd; ++k) {
                const int64_t index = TreeGeometry::LevelFirst(level) + k;
                if (const int64_t step = segment.boxes->LastPaintingOf(index, shown); step > last.step)
                    last = {step, index};
            }
            if (last.step > 0)
                paintings.push_back(last);
        }
    }
    std::sort(paintings.begin(), paintings.end(), [](const Painting &a, const Painting &b) { return a.step < b.step; });
    for (const Painting &p : paintings) {
        const NodeLook look = LookAfter(p.index, p.step, segment);
        const CPoint at = g.Position(p.index);
        DrawNodeBox(dc, p.index, look.value, at.x, at.y, look.mark);
    }
}

// The tree as it stood before the painting steps, where the picture is
// drawn: the nodes there show their old values and marks while it is
// drawn.
void CZarniView::DrawTreeBeforeRun(CDrawSurface *dc, const std::vector<LevelRun> &reached, const BoxSegment &segment)
{
    std::vector<NodeLook> now;
    auto eachNode = [&](auto &&visit) {
        for (int level = 1; level < int(reached.size()); ++level)
            for (int64_t k = reached[std::size_t(level)].first; k < reached[std::size_t(level)].end; ++k)
                visit(TreeGeometry::LevelFirst(level) + k);
    };
    eachNode([&](int64_t index) {
        const NodeLook before = LookAfter(index, 0, segment);
        now.push_back({m_model.Value(index), m_model.Mark(index)});
        m_model.SetValue(index, before.value);
        m_model.SetMark(index, before.mark);
    });
    DrawTree(dc);
    auto saved = now.begin();
    eachNode([&](int64_t index) {
        m_model.SetValue(index, saved->value);
        m_model.SetMark(index, saved->mark);
        ++saved;
    });
}

double CZarniView::Speed() const
{
    return m_pPlayer->Speed();
}

bool CZarniView::SetSpeed(double speed)
{
    return m_pPlayer->SetSpeed(speed);
}

void CZarniView::ChooseSpeedIndex(int index)
{
    m_pPlayer->SetSpeedIndex(index);
    emit SpeedChosen();
}

void CZarniView::OnWinnerFaster()
{
    ChooseSpeedIndex(m_pPlayer->SpeedIndex() + 1);
}

void CZarniView::OnWinnerSlower()
{
    ChooseSpeedIndex(m_pPlayer->SpeedIndex() - 1);
}

int CZarniView::StepWait() const
{
    return m_pPlayer->StepWait();
}

int CZarniView::StepDelay() const
{
    return m_pPlayer->StepDelay();
}

void CZarniView::SetStepDelay(int ms)
{
    m_pPlayer->SetStepDelay(ms);
}

// A box drawn on the window where the paint puts it, from the stored scroll
// position.
void CZarniView::PaintNodeBox(CWindowDC *dc, int64_t index)
{
    const CPoint p = Geometry().Position(index);
    DrawNodeBox(dc, index, m_model.Value(index), p.x - m_nHScrollPos, p.y - m_nVScrollPos, m_model.Mark(index));
}

// The nodes a step of a run that repaints what it changes points at: what
// it compares or swaps, outlined over the window.
std::vector<int64_t> CZarniView::PointedNodes() const
{
    const RunAlgorithm *run = Run();
    if (!run || RunStep() == 0 || run->Boxes(RunStep()).boxes)
        return {};
    const TimelineStep &step = run->Steps().Step(RunStep());
    std::vector<int64_t> nodes{step.focus};
    if (const int64_t partner = step.PartnerNode())
        nodes.push_back(partner);
    for (const NodeChange &change : run->Steps().ChangesOf(RunStep()))
        if (change.WhichField() == NodeChange::kSwap)
            nodes.insert(nodes.end(), {change.Node(), int64_t(change.from)});
    return nodes;
}

// At the normal speed or slower, the two values a played swap exchanges
// slide from each other's box to their own for most of the step's wait.
void CZarniView::StartSlide(int64_t step)
{
    EndSlide();
    if (!IsPlaying() || Speed() > 1)
        return;
    for (const NodeChange &change : Run()->Steps().ChangesOf(step)) {
        if (change.WhichField() != NodeChange::kSwap)
            continue;
        m_slide.a = change.Node();
        m_slide.b = change.from;
        m_slide.ms = StepWait() * 3 / 5;
        m_slide.clock.start();
        m_slideTimer.start(16);
        return;
    }
}

void CZarniView::SlideOn()
{
    const QRect area = SlideArea();
    if (m_slide.clock.elapsed() >= m_slide.ms)
        EndSlide();
    viewport()->update(area);
}

void CZarniView::EndSlide()
{
    if (!m_slide.a && !m_slide.b)
        return;
    viewport()->update(SlideArea());
    m_slide.a = m_slide.b = 0;
    m_slideTimer.stop();
}

// The two boxes and the way between them.
QRect CZarniView::SlideArea() const
{
    const CRect a = WindowBox(m_slide.a), b = WindowBox(m_slide.b);
    return QRect(QPoint(std::min(a.left, b.left), std::min(a.top, b.top)),
                 QPoint(std::max(a.right, b.right), std::max(a.bottom, b.bottom)))
        .adjusted(-4, -4, 4, 4);
}

// Each box shows without its label, and each label on its way from the
// other box to its own.
void CZarniView::DrawSlide(QPainter *painter)
{
    if ((!m_slide.a && !m_slide.b) || m_slide.a > m_nNodeCount || m_slide.b > m_nNodeCount)
        return;
    const double t = std::min(1.0, double(m_slide.clock.elapsed()) / std::max(1, m_slide.ms));
    const double eased = t * t * (3 - 2 * t);
    const TreeGeometry geometry = Geometry();
    const CPoint scroll{m_nHScrollPos, m_nVScrollPos};
    auto window = [&](const CRect &r) { return QRect(r.left - scroll.x, r.top - scroll.y, r.Width(), r.Height()); };
    const int w = CurrentPalette().line; // inside the frame
    for (const int64_t node : {m_slide.a, m_slide.b}) {
        const CPoint centre = geometry.Position(node);
        const MarkColours colours = ColoursFor(m_model.Mark(node));
        painter->fillRect(window(geometry.Box(centre)).adjusted(w, w, -w, -w), colours.fill);
        painter->fillRect(window(geometry.TextRect(centre)) & window(geometry.Box(centre)).adjusted(w, w, -w, -w),
                          colours.firstFrame);
    }
    painter->setFont(LabelFont()->Font());
    for (const auto &[node, from] : {std::pair{m_slide.a, m_slide.b}, std::pair{m_slide.b, m_slide.a}}) {
        const CPoint to = geometry.Position(node), source = geometry.Position(from);
        const CPoint at{int(source.x + (to.x - source.x) * eased), int(source.y + (to.y - source.y) * eased)};
        painter->setPen(ColoursFor(m_model.Mark(node)).label);
        painter->drawText(window(geometry.TextRect(at)), Qt::AlignHCenter | Qt::AlignTop, Label(node));
    }
}
