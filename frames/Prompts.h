#pragma once
// The texts of the program and of the framework by id, as the frames show
// them: the program's own text where it has one, the framework's otherwise.

#include <QString>

QString LoadString(int id);
// The description part of a prompt (shown in the message pane).
QString PromptDescription(int id);
// The tooltip part of a prompt, empty where the prompt has none.
QString PromptTooltip(int id);
