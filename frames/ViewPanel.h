#pragma once
// A dockable panel that shows something of one view, the active one: it
// watches that view's signals while it shows it, and lets it go when it
// goes.

#include <QDockWidget>
#include <QPointer>

class CZarniView;

class CViewPanel : public QDockWidget {
    Q_OBJECT

public:
    using QDockWidget::QDockWidget;
    // Follows this view from now on; null for none.
    void SetView(CZarniView *view);
    CZarniView *View() const;

protected:
    // Connects what the panel watches of the view to itself.
    virtual void Watch(CZarniView *view) = 0;
    // The view shown has changed, or gone.
    virtual void ViewChanged() = 0;
    // The texts of its own, in the language now chosen; then the view's
    // again.
    virtual void Retranslate() {}
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QPointer<CZarniView> m_view;
};
