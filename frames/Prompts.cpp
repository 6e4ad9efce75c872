#include "Prompts.h"

#include "framework/StandardStrings.h"
#include "res/Strings.h"
#include "view/Palette.h"

#include <QCoreApplication>

QString LoadString(int id)
{
    const QString own = ResourceString(id);
    if (!own.isNull())
        return own;
    if (const Palette *palette = PaletteOfCommand(id))
        return QCoreApplication::translate("Strings", palette->prompt);
    return StandardString(id);
}

QString PromptDescription(int id)
{
    return LoadString(id).section('\n', 0, 0);
}

QString PromptTooltip(int id)
{
    return LoadString(id).section('\n', 1, 1);
}
