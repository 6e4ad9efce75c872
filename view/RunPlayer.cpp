#include "RunPlayer.h"

#include <algorithm>

namespace {

const double kSpeeds[] = {0.25, 0.5, 1, 2, 4, 8};
const int kSpeedCount = int(sizeof kSpeeds / sizeof kSpeeds[0]);

} // namespace

CRunPlayer::CRunPlayer(NodeStates &nodes) : m_nodes(nodes)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CRunPlayer::PlayNextStep);
}

void CRunPlayer::Load(std::unique_ptr<RunAlgorithm> run)
{
    if (!run && !m_pRun)
        return;
    SetPlaying(false);
    m_pRun = std::move(run);
    if (m_pRun) {
        m_strLastAlgorithm = QString::fromLatin1(m_pRun->Name());
        m_lastListing = m_pRun->Listing(); // its kind and its direction of comparison
    }
    emit StateChanged();
}

CRunPlayer::State CRunPlayer::GetState() const
{
    if (m_bPlaying)
        return State::Playing;
    if (!m_pRun)
        return State::Idle;
    return Shown() < StepCount() ? State::Paused : State::Done;
}

// A step now and one after every wait; the wait after the last step ends
// the play. The window answers the user between the steps.
void CRunPlayer::Play()
{
    if (m_bPlaying || !m_pRun)
        return;
    SetPlaying(true);
    PlayNextStep();
}

void CRunPlayer::PlayNextStep()
{
    if (!m_pRun || Shown() >= StepCount()) {
        SetPlaying(false);
        return;
    }
    StepForward();
    if (m_bPlaying) // not paused by whoever watched the step
        m_timer.start(StepWait());
}

void CRunPlayer::Pause()
{
    SetPlaying(false);
}

void CRunPlayer::SetPlaying(bool playing)
{
    if (!playing)
        m_timer.stop();
    if (playing == m_bPlaying)
        return;
    m_bPlaying = playing;
    emit StateChanged();
}

void CRunPlayer::StepForward()
{
    if (!m_pRun || Shown() >= StepCount())
        return;
    if (m_gate && m_gate(Shown() + 1)) {
        SetPlaying(false);
        return;
    }
    m_pRun->SeekTo(Shown() + 1, m_nodes);
    emit StepPlayed(Shown());
}

void CRunPlayer::StepBack()
{
    SetPlaying(false);
    if (Shown() > 0)
        SeekTo(Shown() - 1);
}

void CRunPlayer::SeekTo(int64_t k)
{
    if (!m_pRun)
        return;
    const int64_t from = Shown();
    k = std::clamp<int64_t>(k, 0, StepCount());
    m_pRun->SeekTo(k, m_nodes);
    emit Sought(from, k);
}

double CRunPlayer::Speed() const
{
    return kSpeeds[m_nSpeedIndex];
}

bool CRunPlayer::SetSpeed(double speed)
{
    for (int i = 0; i < kSpeedCount; ++i) {
        if (kSpeeds[i] == speed) {
            SetSpeedIndex(i);
            return true;
        }
    }
    return false;
}

void CRunPlayer::SetSpeedIndex(int index)
{
    m_nSpeedIndex = std::clamp(index, 0, kSpeedCount - 1);
    emit StateChanged();
}

// The normal wait at 1x.
int CRunPlayer::StepWait() const
{
    return int(m_nStepDelayMs / Speed());
}
