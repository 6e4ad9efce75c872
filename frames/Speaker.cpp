#include "Speaker.h"

#include "MainFrm.h"
#include "framework/Speech.h"
#include "res/Languages.h"

namespace {

// How long a speech service may take to find its voice before speaking is
// given up as unavailable.
constexpr int kOpenTimeoutMs = 10000;

} // namespace

CSpeaker::CSpeaker(CMainFrame *frame) : QObject(frame), m_pFrame(frame)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(kOpenTimeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, [this] { Opened(false); });
}

CSpeaker::~CSpeaker() = default;

void CSpeaker::SetOn(bool on)
{
    if (on == On())
        return;
    m_strLast.clear();
    if (!on) {
        m_state = State::Off;
        m_timeout.stop();
        m_strPending.clear();
        if (m_pEngine)
            m_pEngine->Stop();
        m_pFrame->UpdateCommandUI();
        return;
    }
    if (!m_pEngine) {
        m_pEngine = MakeSpeechEngine();
        connect(m_pEngine.get(), &CSpeechEngine::Opened, this, [this](bool ready) {
            if (m_state == State::Opening)
                Opened(ready);
        });
    }
    Open();
}

// A voice of the interface's language, as its row names it.
void CSpeaker::Open()
{
    m_state = State::Opening;
    m_pFrame->UpdateCommandUI();
    m_timeout.start();
    const QLocale locale;
    const Language *language = LanguageOfLocale(locale);
    m_pEngine->Open(locale, QString::fromLatin1(language ? language->voice : ""));
}

void CSpeaker::Opened(bool ready)
{
    m_timeout.stop();
    if (!ready) {
        m_state = State::Off;
        m_strPending.clear();
        m_pFrame->ShowStatusMessage(tr("沒有可用的語音（或語音服務沒有回應），朗讀維持關閉。"));
        m_pFrame->UpdateCommandUI();
        emit m_pFrame->SpeakChosen(false); // the choice kept follows
        return;
    }
    m_state = State::On;
    m_pFrame->UpdateCommandUI();
    if (!m_strPending.isEmpty())
        m_pEngine->Say(m_strLast = std::exchange(m_strPending, QString()));
}

void CSpeaker::Say(const QString &text)
{
    if (text.isEmpty() || text == m_strLast)
        return;
    if (m_state == State::On)
        m_pEngine->Say(m_strLast = text);
    else if (m_state == State::Opening)
        m_strPending = text;
}

void CSpeaker::LanguageChanged()
{
    if (On())
        Open();
}
