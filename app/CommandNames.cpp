#include "CommandNames.h"

#include "framework/StandardIds.h"
#include "model/algorithms/Table.h"
#include "res/Resource.h"

#include <QMetaEnum>

namespace {

void AddNames(QHash<QString, int> &ids, const QMetaEnum &list)
{
    for (int i = 0; i < list.keyCount(); ++i)
        ids.insert(QString::fromLatin1(list.key(i)), list.value(i));
}

} // namespace

const QHash<QString, int> &CommandIdsByName()
{
    static const QHash<QString, int> ids = [] {
        QHash<QString, int> all;
        AddNames(all, QMetaEnum::fromType<ZarniIds::Command>());
        AddNames(all, QMetaEnum::fromType<StandardIds::StandardCommand>());
        for (const CommandEntry &command : AlgorithmCommands())
            all.insert(QString::fromLatin1(command.name), command.value);
        return all;
    }();
    return ids;
}

bool IsKnownCommand(int id)
{
    return !CommandIdsByName().key(id).isEmpty() ||
           (id >= AFX_IDM_FIRST_MDICHILD && id < AFX_IDM_FIRST_MDICHILD + kMaxWindowMenuEntries);
}

QString CommandName(int id)
{
    const QString name = CommandIdsByName().key(id);
    return name.isEmpty() ? QStringLiteral("0x%1").arg(id, 0, 16) : name;
}
