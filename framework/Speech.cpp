#include "Speech.h"

#include <QTextToSpeech>
#include <QThread>
#include <QVoice>

namespace {

// Lives in the speech thread: every call to the service is made there.
class SpeechWorker : public QObject {
    Q_OBJECT

public:
    void Open(const QLocale &locale, const QString &voiceName)
    {
        if (!m_speech)
            m_speech = std::make_unique<QTextToSpeech>();
        // The engine reports an error when the default locale has no voice;
        // a voice chosen after that speaks.
        emit Opened(!m_speech->availableLocales().isEmpty() && Choose(locale, voiceName));
    }
    void Say(const QString &text)
    {
        if (!m_speech)
            return;
        m_speech->stop();
        m_speech->say(text);
    }
    void Stop()
    {
        if (m_speech)
            m_speech->stop();
    }

signals:
    void Opened(bool ready);

private:
    // The locale itself, else one of its language; else a voice of that name
    // among those the service files under no locale the toolkit can name
    // (espeak-ng's Mandarin is "cmn").
    bool Choose(const QLocale &wanted, const QString &voiceName)
    {
        const QList<QLocale> locales = m_speech->availableLocales();
        const QLocale *same = nullptr;
        for (const QLocale &locale : locales)
            if (locale.language() == wanted.language() && (!same || locale.territory() == wanted.territory()))
                same = &locale;
        if (same) {
            m_speech->setLocale(*same);
            return !m_speech->availableVoices().isEmpty();
        }
        if (voiceName.isEmpty())
            return false;
        m_speech->setLocale(QLocale::c()); // where speech-dispatcher's "cmn" voices land
        for (const QVoice &voice : m_speech->availableVoices())
            if (voice.name().contains(voiceName)) {
                m_speech->setVoice(voice);
                return m_speech->voice().name() == voice.name();
            }
        return false;
    }

    std::unique_ptr<QTextToSpeech> m_speech;
};

class SystemSpeech : public CSpeechEngine {
public:
    SystemSpeech() : m_pThread(new QThread), m_pWorker(new SpeechWorker)
    {
        m_pWorker->moveToThread(m_pThread);
        connect(m_pThread, &QThread::finished, m_pWorker, &QObject::deleteLater);
        connect(m_pWorker, &SpeechWorker::Opened, this, &CSpeechEngine::Opened);
        m_pThread->start();
    }
    ~SystemSpeech() override
    {
        m_pThread->quit();
        // A service that never answers keeps its thread; it ends with the
        // process rather than holding the window.
        if (m_pThread->wait(2000))
            delete m_pThread;
    }
    void Open(const QLocale &locale, const QString &voiceName) override
    {
        QMetaObject::invokeMethod(m_pWorker, [worker = m_pWorker, locale, voiceName] { worker->Open(locale, voiceName); });
    }
    void Say(const QString &text) override
    {
        QMetaObject::invokeMethod(m_pWorker, [worker = m_pWorker, text] { worker->Say(text); });
    }
    void Stop() override
    {
        QMetaObject::invokeMethod(m_pWorker, [worker = m_pWorker] { worker->Stop(); });
    }

private:
    QThread *m_pThread;
    SpeechWorker *m_pWorker;
};

SpeechEngineMaker &Maker()
{
    static SpeechEngineMaker maker;
    return maker;
}

} // namespace

std::unique_ptr<CSpeechEngine> MakeSpeechEngine()
{
    return Maker() ? Maker()() : std::make_unique<SystemSpeech>();
}

void SetSpeechEngineMaker(SpeechEngineMaker maker)
{
    Maker() = std::move(maker);
}

#include "Speech.moc"
