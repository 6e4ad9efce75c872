#include "CodePanel.h"

#include "model/algorithms/Algorithm.h"
#include "view/Palette.h"
#include "view/Words.h"
#include "view/ZarniView.h"

#include <QLabel>
#include <QEvent>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The panel is as wide as this many characters of its font, whatever the
// algorithm: a fitted tree beside it keeps its size from one run to the next.
const int kColumns = 40;

} // namespace

CCodePanel::CCodePanel(QWidget *parent) : CViewPanel(parent)
{
    Retranslate();
    setObjectName(QStringLiteral("codePanel"));
    auto *body = new QWidget(this);
    body->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(body);
    m_list = new QTextEdit(body);
    m_list->setObjectName(QStringLiteral("codeLines"));
    m_list->setReadOnly(true);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setLineWrapMode(QTextEdit::WidgetWidth);
    m_narration = new QLabel(body);
    m_narration->setWordWrap(true);
    m_counts = new QLabel(body);
    m_counts->setWordWrap(true);
    m_notes = new QLabel(body);
    m_notes->setWordWrap(true);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_narration);
    layout->addWidget(m_counts);
    layout->addWidget(m_notes);
    setWidget(body);
    KeepWidth();
}

// A line too long for the panel wraps under its own indent, not under the
// line numbers.
void CCodePanel::ShowLines()
{
    m_list->clear();
    QTextCursor cursor(m_list->document());
    const QFontMetrics metrics(m_list->font());
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString &line = m_lines[i];
        const int indent = int(line.size() - QString(line).remove(QRegularExpression(QStringLiteral("^ +"))).size());
        const QString number = QStringLiteral("%1  ").arg(i + 1, 2);
        QTextBlockFormat block;
        const int hanging = metrics.horizontalAdvance(number + QString(indent, ' '));
        block.setLeftMargin(hanging);
        block.setTextIndent(-hanging);
        if (i > 0)
            cursor.insertBlock(block);
        else
            cursor.setBlockFormat(block);
        cursor.insertText(number + line);
    }
    m_nShownCurrent = -1;
}

// The line of the step shown in white on the highlight's colour.
void CCodePanel::MarkCurrent()
{
    if (m_nShownCurrent == m_nCurrent)
        return;
    auto paint = [this](int line, bool current) {
        const QTextBlock block = m_list->document()->findBlockByNumber(line - 1);
        if (!block.isValid())
            return;
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        if (current)
            format.setBackground(HighlightColour());
        else
            format.clearBackground();
        cursor.setBlockFormat(format);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat text;
        text.setForeground(current ? QBrush(Qt::white) : m_list->palette().text());
        cursor.mergeCharFormat(text);
        if (current) {
            m_list->setTextCursor(QTextCursor(block));
            m_list->ensureCursorVisible();
        }
    };
    paint(m_nShownCurrent, false);
    paint(m_nCurrent, true);
    m_nShownCurrent = m_nCurrent;
}

void CCodePanel::Recolour()
{
    m_nShownCurrent = -1;
    MarkCurrent();
}

void CCodePanel::KeepWidth()
{
    const QFontMetrics metrics(font());
    m_list->setMinimumWidth(metrics.averageCharWidth() * kColumns + 2 * m_list->frameWidth() + 8);
}

void CCodePanel::changeEvent(QEvent *event)
{
    CViewPanel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        KeepWidth();
        ShowLines();
        MarkCurrent();
    }
}

void CCodePanel::Retranslate()
{
    setWindowTitle(tr("程式碼"));
}

void CCodePanel::Watch(CZarniView *view)
{
    connect(view, &CZarniView::StepShown, this, &CCodePanel::Refresh);
    connect(view, &CZarniView::RunStateChanged, this, &CCodePanel::Refresh);
    connect(view, &CZarniView::PracticeChanged, this, &CCodePanel::Refresh);
}

// The listing of the run, or of the run shown last as it showed it.
void CCodePanel::Refresh()
{
    const CZarniView *view = View();
    const RunAlgorithm *run = view ? view->Run() : nullptr;
    const QStringList lines = view ? view->Listing() : QStringList();
    m_nCurrent = view ? view->Model().Line() : 0;
    if (lines != m_lines) {
        m_lines = lines;
        ShowLines();
    }
    MarkCurrent();
    m_narration->setText(view ? view->ShownNarration() : QString());
    const QString counts = run && run->CountsVisits() ? tr("第 %1 / %2 步　走過 %3 個節點　合併 %4 次")
                                                      : tr("第 %1 / %2 步　比較 %3 次　搬移 %4 次");
    m_counts->setText(run ? counts
                                .arg(run->Steps().Shown())
                                .arg(run->Steps().StepCount())
                                .arg(run->Steps().Comparisons())
                                .arg(run->Steps().Moves())
                          : QString());
    QStringList notes;
    if (view)
        for (const auto &state : view->Model().States())
            for (const Message &note : state->Notes())
                notes << Words(note);
    m_notes->setText(notes.join('\n'));
}
