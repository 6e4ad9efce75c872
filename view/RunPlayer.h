#pragma once
// The player of every run: it holds the run of a view, shows one of its
// steps on the tree, and plays the steps one after another at the chosen
// speed, pausing, stepping, going back, restarting, finishing and seeking
// on demand. What the steps change is the run's; how the tree shows it is
// the view's, told by signals.

#include "model/RunAlgorithm.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

class CRunPlayer : public QObject {
    Q_OBJECT

public:
    enum class State { Idle, Playing, Paused, Done };

    explicit CRunPlayer(NodeStates &nodes);

    // The run to play, shown at its step 0; null forgets the run.
    void Load(std::unique_ptr<RunAlgorithm> run);
    const RunAlgorithm *Run() const { return m_pRun.get(); }
    // The name and the pseudocode of the run loaded last, as it showed them,
    // kept when the run is forgotten.
    const QString &LastAlgorithm() const { return m_strLastAlgorithm; }
    const QStringList &LastListing() const { return m_lastListing; }
    State GetState() const;
    int64_t Shown() const { return m_pRun ? m_pRun->Steps().Shown() : 0; }
    int64_t StepCount() const { return m_pRun ? m_pRun->Steps().StepCount() : 0; }

    // Asked before each step played forward: a step it holds back is not
    // played, and the play stops before it.
    void SetGate(std::function<bool(int64_t)> gate) { m_gate = std::move(gate); }

    void Play();
    void Pause();
    void StepForward();
    void StepBack();
    void SeekTo(int64_t k);

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
    // The run has moved one step forward, played or stepped.
    void StepPlayed(qint64 step);
    // The run has moved from one step to another in any other way.
    void Sought(qint64 from, qint64 to);
    // The run has been loaded, forgotten, started, paused, stepped or
    // finished, or the speed has changed.
    void StateChanged();

private:
    void PlayNextStep();
    void SetPlaying(bool playing);

    NodeStates &m_nodes;
    std::unique_ptr<RunAlgorithm> m_pRun;
    std::function<bool(int64_t)> m_gate;
    QString m_strLastAlgorithm;
    QStringList m_lastListing;
    QTimer m_timer;
    bool m_bPlaying = false;
    int m_nSpeedIndex = 2;
    int m_nStepDelayMs = 500;
};
