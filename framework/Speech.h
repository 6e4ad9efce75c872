#pragma once
// Speaking a text aloud. The toolkit's text-to-speech talks to the system's
// speech service, which may be slow to answer, or never answer: the system's
// engine works in a thread of its own, so that nothing the window does waits
// for it. A test puts an engine of its own in its place.

#include <QLocale>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class CSpeechEngine : public QObject {
    Q_OBJECT

public:
    // Asks for a voice of the locale, or, where the service knows no locale of
    // its language, for one whose name holds voiceName ("Mandarin"); Opened
    // tells whether there is one.
    virtual void Open(const QLocale &locale, const QString &voiceName) = 0;
    // Says the text, cutting off what it was saying.
    virtual void Say(const QString &text) = 0;
    virtual void Stop() = 0;

signals:
    void Opened(bool ready);
};

using SpeechEngineMaker = std::function<std::unique_ptr<CSpeechEngine>()>;
// The engine the program speaks with: the system's, unless another was set.
std::unique_ptr<CSpeechEngine> MakeSpeechEngine();
// Null puts the system's back.
void SetSpeechEngineMaker(SpeechEngineMaker maker);
