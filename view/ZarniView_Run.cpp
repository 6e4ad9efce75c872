// The run shown on the tree: its player and commands, what each step
// repaints, and the two values a swap slides between their boxes.
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
    {
        const TreeModel::Quiet quiet(m_model);
        read(m_model);
        m_model.SeekTo(shown);
    }
    Invalidate(); // a paint meanwhile (a progress dialog's) drew another step
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
    return m_strSaid.isEmpty() ? Words(m_model.ShownNarration()) : m_strSaid;
}

void CZarniView::Say(const QString &line)
{
    m_strSaid = line;
    emit RunNarrated(line);
    emit RunStateChanged(); // the panels say it too
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
    m_strSaid.clear();
    EndSlide();
    if (m_model.NodeZeroShown() != m_bNodeZeroLaidOut) // a heap or a segment tree came or went
        Relayout();
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
    m_strSaid.clear();
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
    m_strSaid.clear();
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
    painter->setFont(m_painter.LabelFont(HalfHeight())->Font());
    for (const auto &[node, from] : {std::pair{m_slide.a, m_slide.b}, std::pair{m_slide.b, m_slide.a}}) {
        const CPoint to = geometry.Position(node), source = geometry.Position(from);
        const CPoint at{int(source.x + (to.x - source.x) * eased), int(source.y + (to.y - source.y) * eased)};
        painter->setPen(ColoursFor(m_model.Mark(node)).label);
        painter->drawText(window(geometry.TextRect(at)), Qt::AlignHCenter | Qt::AlignTop, Label(node));
    }
}
