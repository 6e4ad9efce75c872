#include "Prompts.h"

#include "framework/StandardStrings.h"
#include "res/Strings.h"

QString LoadString(int id)
{
    const QString own = ResourceString(id);
    return own.isNull() ? StandardString(id) : own;
}

QString PromptDescription(int id)
{
    return LoadString(id).section('\n', 0, 0);
}

QString PromptTooltip(int id)
{
    return LoadString(id).section('\n', 1, 1);
}
