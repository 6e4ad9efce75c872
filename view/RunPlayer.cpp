#include "RunPlayer.h"

#include <algorithm>

namespace {

const double kSpeeds[] = {0.25, 0.5, 1, 2, 4, 8};
const int kSpeedCount = int(sizeof kSpeeds / sizeof kSpeeds[0]);

} // namespace

CRunPlayer::CRunPlayer(TreeModel &model) : m_model(model)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CRunPlayer::PlayNextStep);
}

// A step now and one after every wait; the wait after the last step ends
// the play. The window answers the user between the steps.
// Asked again while playing, it plays on to the new end, at the speed now
// chosen.
void CRunPlayer::Play(int64_t last)
{
    if (!m_model.Run())
        return;
    m_nLast = last;
    if (m_bPlaying) {
        m_model.SetPlaying(true, last);
        m_timer.start(StepWait());
        return;
    }
    m_pRun = m_model.Run();
    m_bHeld = false;
    SetPlaying(true);
    PlayNextStep();
}

void CRunPlayer::PlayNextStep()
{
    const bool ended = m_model.AtEnd() || (m_nLast >= 0 && m_model.Shown() >= m_nLast);
    if (m_model.Run() != m_pRun || ended || !m_model.StepForward()) {
        m_bHeld = !ended && m_model.Run() == m_pRun;
        SetPlaying(false);
        return;
    }
    if (m_bPlaying) // not paused by whoever watched the step
        m_timer.start(StepWait());
}

void CRunPlayer::Pause()
{
    m_bHeld = m_bPlaying || m_bHeld;
    SetPlaying(false);
}

void CRunPlayer::SetPlaying(bool playing)
{
    if (!playing)
        m_timer.stop();
    m_model.SetPlaying(playing, m_nLast);
    if (playing == m_bPlaying)
        return;
    m_bPlaying = playing;
    emit StateChanged();
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
