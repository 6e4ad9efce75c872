#include "LeafEditor.h"

#include "Problems.h"
#include "model/algorithms/Table.h"
#include "view/ZarniView.h"

#include <QKeyEvent>
#include <QToolTip>
#include <algorithm>

namespace {

// Wide enough to type a value even over the smallest box.
const int kMinEditorWidth = 48;

} // namespace

CLeafEditor::CLeafEditor(CZarniView *view, qint64 index)
    : QLineEdit(view->Label(index), view->viewport()), m_pView(view),
      m_nIndex(index)
{
    setObjectName(QStringLiteral("leafEditor"));
    setAttribute(Qt::WA_DeleteOnClose);
    const CRect box = view->WindowBox(index);
    const QRect shown(box.left, box.top, box.Width(), box.Height());
    const int width = std::max(shown.width(), kMinEditorWidth);
    setGeometry(shown.center().x() - width / 2, shown.center().y() - sizeHint().height() / 2, width,
                sizeHint().height());
    setAlignment(Qt::AlignCenter);
    selectAll();
    show();
    setFocus();
}

void CLeafEditor::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        Apply();
    else if (event->key() == Qt::Key_Escape)
        close();
    else
        QLineEdit::keyPressEvent(event);
}

void CLeafEditor::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    close();
}

// The value goes to the algorithm that edits a node's value in place.
void CLeafEditor::Apply()
{
    for (const AlgorithmEntry &entry : Algorithms()) {
        if (!entry.editNode)
            continue;
        const Outcome outcome = entry.editNode(m_pView->Model(), m_nIndex, text().trimmed().toStdString());
        if (m_pView->Follow(outcome))
            return (void)close();
        setToolTip(CProblemText::Say(outcome.problem, CProblemText::Wording::Dialog));
        QToolTip::showText(mapToGlobal(QPoint(0, height())), toolTip(), this);
        return;
    }
}
