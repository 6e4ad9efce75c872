#include "CmdTarget.h"

bool CCmdTarget::OnCmdMsg(int id, CCmdUI *pCmdUI)
{
    const auto command = m_commands.find(id);
    if (!pCmdUI) {
        if (command == m_commands.end())
            return false;
        // A copy: a handler may close the window that owns this table.
        const std::function<void()> handler = command->second;
        handler();
        return true;
    }
    const auto update = m_updates.find(id);
    if (update != m_updates.end()) {
        update->second(pCmdUI);
        return true;
    }
    if (command == m_commands.end())
        return false;
    pCmdUI->Enable(true);
    return true;
}

void CCmdTarget::OnCommand(int id, std::function<void()> handler)
{
    m_commands[id] = std::move(handler);
}

void CCmdTarget::OnUpdateCommand(int id, std::function<void(CCmdUI *)> handler)
{
    m_updates[id] = std::move(handler);
}
