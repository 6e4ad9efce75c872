#pragma once
// Spoken steps: while on, each step the active view shows is read aloud in
// the interface's language, cutting off the sentence before. The voice is
// looked for when speaking is turned on; with none (or a speech service
// that does not answer in time) it says so once and stays off, and the run
// never waits for it.

#include <QObject>
#include <QTimer>
#include <memory>

class CMainFrame;
class CSpeechEngine;

class CSpeaker : public QObject {
    Q_OBJECT

public:
    explicit CSpeaker(CMainFrame *frame);
    ~CSpeaker() override;
    // Asked for and a voice found, or being looked for.
    bool On() const { return m_state != State::Off; }
    // Whether a voice is still being looked for.
    bool Opening() const { return m_state == State::Opening; }
    void SetOn(bool on);
    // Says the text while on (the last one asked for once the voice is found).
    void Say(const QString &text);
    // The interface's language has changed: a voice of the new one.
    void LanguageChanged();

private:
    enum class State { Off, Opening, On };
    void Open();
    void Opened(bool ready);

    CMainFrame *m_pFrame;
    std::unique_ptr<CSpeechEngine> m_pEngine;
    State m_state = State::Off;
    QString m_strPending;
    QString m_strLast; // a step told twice is said once
    QTimer m_timeout;
};
