#pragma once
// Command routing in the manner of a document/view framework: every object
// of the chain keeps a table of command handlers and update handlers; the
// router offers a command to each in turn and the first that handles it wins.

#include <functional>
#include <unordered_map>

// What an update handler sets for one command.
class CCmdUI {
public:
    explicit CCmdUI(int id) : m_nID(id) {}
    void Enable(bool on = true) { m_bEnabled = on; }
    void SetCheck(int check = 1) { m_nCheck = check; }
    int m_nID;
    bool m_bEnabled = false;
    int m_nCheck = 0;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // With pCmdUI null: run the handler of id. Otherwise: fill pCmdUI.
    // Returns whether this object handles id.
    virtual bool OnCmdMsg(int id, CCmdUI *pCmdUI);

protected:
    void OnCommand(int id, std::function<void()> handler);
    void OnUpdateCommand(int id, std::function<void(CCmdUI *)> handler);

private:
    std::unordered_map<int, std::function<void()>> m_commands;
    std::unordered_map<int, std::function<void(CCmdUI *)>> m_updates;
};
