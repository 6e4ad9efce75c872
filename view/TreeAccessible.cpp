#include "TreeAccessible.h"

#include "Words.h"
#include "ZarniView.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <unordered_map>

namespace {

// A node, made only when a reader asks for it.
class NodeAccessible : public QAccessibleInterface {
public:
    NodeAccessible(CZarniView *view, int64_t index) : m_view(view), m_nIndex(index) {}

    bool isValid() const override { return m_view && m_nIndex >= 1 && m_nIndex <= m_view->m_nNodeCount; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_view.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return QString();
        if (kind == QAccessible::Name)
            return m_view->NodeName(m_nIndex);
        if (kind == QAccessible::Description)
            return NodeRelations(m_nIndex, m_view->m_nNodeCount);
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const CRect box = m_view->WindowBox(m_nIndex);
        return QRect(m_view->viewport()->mapToGlobal(QPoint(box.left, box.top)), QSize(box.Width(), box.Height()));
    }
    QAccessible::Role role() const override { return QAccessible::TreeItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = state.selectable = true;
        if (!isValid())
            return state;
        state.focused = m_view->NodeCursor() == m_nIndex && m_view->hasFocus();
        state.selected = m_view->Mark(m_nIndex) == kMarkHighlighted;
        const CRect box = m_view->WindowBox(m_nIndex);
        state.offscreen = !m_view->viewport()->rect().intersects(QRect(box.left, box.top, box.Width(), box.Height()));
        return state;
    }
    int64_t Index() const { return m_nIndex; }

private:
    QPointer<CZarniView> m_view;
    int64_t m_nIndex;
};

class TreeAccessible : public QAccessibleWidget {
public:
    explicit TreeAccessible(CZarniView *view) : QAccessibleWidget(view, QAccessible::Tree) {}
    ~TreeAccessible() override
    {
        for (const auto &[index, id] : m_children)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return View()->m_nNodeCount; }
    QAccessibleInterface *child(int i) const override
    {
        if (i < 0 || i >= childCount())
            return nullptr;
        const int64_t index = int64_t(i) + 1;
        auto found = m_children.find(index);
        if (found == m_children.end())
            found = m_children.emplace(index, QAccessible::registerAccessibleInterface(new NodeAccessible(View(), index))).first;
        return QAccessible::accessibleInterface(found->second);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *node = dynamic_cast<const NodeAccessible *>(child);
        return node && node->isValid() ? int(node->Index() - 1) : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint at = View()->viewport()->mapFromGlobal(QPoint(x, y));
        const int64_t index = View()->NodeIndexAt({at.x(), at.y()});
        return index > 0 ? child(int(index - 1)) : nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        const int64_t cursor = View()->NodeCursor();
        return cursor > 0 ? child(int(cursor - 1)) : nullptr;
    }

private:
    CZarniView *View() const { return static_cast<CZarniView *>(widget()); }

    mutable std::unordered_map<int64_t, QAccessible::Id> m_children;
};

QAccessibleInterface *TreeFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("CZarniView") && object && object->isWidgetType())
        return new TreeAccessible(static_cast<CZarniView *>(object));
    return nullptr;
}

} // namespace

void InstallTreeAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(TreeFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
