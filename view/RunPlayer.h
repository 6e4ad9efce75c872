#pragma once
// The player of a view's runs: it plays the run its model shows, a step
// after every wait at the chosen speed, until the end or a step it was
// asked to stop after, and pauses on demand. Stepping, going back and
// seeking are the model's; the player only keeps time.

#include "model/TreeModel.h"

#include <QObject>
#include <QTimer>

class CRunPlayer : public QObject {
    Q_OBJECT

public:
    explicit CRunPlayer(TreeModel &model);

    // Plays on from the step shown, to the end or to `last`; or to where
    // it was playing to before it was held.
    void Play(int64_t last = -1);
    void Resume() { Play(m_nLast); }
    void Pause();
    bool Playing() const { return m_bPlaying; }
    // Stopped short of where it was asked to play to: paused, or held by a
    // question.
    bool Held() const { return m_bHeld; }

    // 0.25, 0.5, 1, 2, 4 or 8 times the normal speed.
    double Speed() const;
    bool SetSpeed(double speed);
    int SpeedIndex() const { return m_nSpeedIndex; }
    void SetSpeedIndex(int index);
    // The wait between the steps played, in milliseconds.
    int StepWait() const;
    int StepDelay() const { return m_nStepDelayMs; }
    void SetStepDelay(int ms) { m_nStepDelayMs = ms < 0 ? 0 : ms; }

signals:
    // Started, paused or stopped playing, or the speed changed.
    void StateChanged();

private:
    void PlayNextStep();
    void SetPlaying(bool playing);

    TreeModel &m_model;
    const RunAlgorithm *m_pRun = nullptr; // the run played
    int64_t m_nLast = -1;
    QTimer m_timer;
    bool m_bPlaying = false;
    bool m_bHeld = false;
    int m_nSpeedIndex = 2;
    int m_nStepDelayMs = 500;
};
