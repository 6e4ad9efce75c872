#include "Words.h"

#include "model/TreeGeometry.h"
#include "model/Looks.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>
#include <algorithm>
#include <climits>

namespace {

// The translation in the plural form its count takes, %n said.
QString Translated(const Message &message, const QTranslator *translator)
{
    if (!message.Text())
        return QString();
    const int n = int(std::clamp<int64_t>(message.CountOf(), -1, INT_MAX));
    QString text = translator ? translator->translate(message.Context(), message.Text(), nullptr, n)
                              : QCoreApplication::translate(message.Context(), message.Text(), nullptr, n);
    if (text.isEmpty())
        text = QString::fromUtf8(message.Text());
    if (message.CountOf() >= 0)
        text.replace(QLatin1String("%n"), QString::number(message.CountOf()));
    return text;
}

// Every %N takes the N-th argument at once, so that an argument's own text
// is never read for places.
QString Filled(const QString &text, const QStringList &args)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1].isDigit()) {
            qsizetype end = i + 1;
            while (end < text.size() && text[end].isDigit() && end - i <= 2)
                ++end;
            const int n = text.mid(i + 1, end - i - 1).toInt();
            if (n >= 1 && n <= args.size()) {
                out += args[n - 1];
                i = end - 1;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace

QString ValueWords(int value)
{
    return QString::fromStdString(ValueText(value));
}

QString NodeName(int64_t index, const QString &label, int mark)
{
    QString name = QCoreApplication::translate("Node", "節點 %1：%2")
                       .arg(index)
                       .arg(label.isEmpty() ? QCoreApplication::translate("Node", "空") : label);
    if (mark == kMarkHighlighted && label == QString::number(index))
        return name + QCoreApplication::translate("Node", "，已選取");
    if (const char *look = Looks()[std::size_t(LookOf(mark))].name)
        name += QCoreApplication::translate("Node", "，%1").arg(QCoreApplication::translate("Node", look));
    return name;
}

QString NodeRelations(int64_t index, int64_t count)
{
    QStringList parts;
    parts << (index == 1 ? QCoreApplication::translate("Node", "樹根")
                         : QCoreApplication::translate("Node", "父 %1").arg(index / 2));
    if (2 * index > count)
        parts << QCoreApplication::translate("Node", "葉節點");
    else if (2 * index + 1 > count)
        parts << QCoreApplication::translate("Node", "左 %1，沒有右子").arg(2 * index);
    else
        parts << QCoreApplication::translate("Node", "左 %1，右 %2").arg(2 * index).arg(2 * index + 1);
    parts << QCoreApplication::translate("Node", "第 %1 層").arg(TreeGeometry::LevelOf(index));
    return parts.join(QCoreApplication::translate("Node", "，"));
}

QString Words(const Message &message, const QTranslator *translator)
{
    QStringList args;
    for (const Message::Arg &arg : message.Args()) {
        switch (arg.kind) {
        case Message::ArgKind::Number: args << QString::number(arg.number); break;
        case Message::ArgKind::Value: args << ValueWords(int(arg.number)); break;
        case Message::ArgKind::Nested: args << Words(message.Nested(std::size_t(arg.number)), translator); break;
        case Message::ArgKind::Word: args << QString::fromStdString(message.Word(std::size_t(arg.number))); break;
        case Message::ArgKind::Real: args << QString::number(message.Real(std::size_t(arg.number)), 'f', arg.decimals); break;
        }
    }
    QString text = Filled(Translated(message, translator), args);
    for (const Message &next : message.Then())
        text += Words(next, translator);
    return text;
}
