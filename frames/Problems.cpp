#include "Problems.h"

#include "view/Words.h"

#include <QTranslator>

namespace {

QString LowerFirst(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

} // namespace

const QTranslator &CProblemText::English()
{
    static QTranslator english;
    static const bool loaded = english.load(QStringLiteral("zarni_en"), QStringLiteral(":/i18n"));
    Q_UNUSED(loaded);
    return english;
}

// A script's line: each part begins in lower case, and the line ends
// without a full stop.
QString CProblemText::Say(const Message &problem, Wording wording)
{
    if (wording == Wording::Dialog)
        return Words(problem);
    QString text = LowerFirst(Words(problem.Head(), &English()));
    for (const Message &part : problem.Then())
        text += LowerFirst(Words(part, &English()));
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}
