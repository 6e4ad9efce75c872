#pragma once
// An editor in place for one leaf's value, over its box: Enter applies the
// value (a bad one is named and the editor stays), Esc or leaving cancels.

#include <QLineEdit>

class CZarniView;

class CLeafEditor : public QLineEdit {
public:
    CLeafEditor(CZarniView *view, qint64 index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void Apply();
    CZarniView *m_pView;
    qint64 m_nIndex;
};
