#include "CodePanel.h"

#include "view/MarkColours.h"
#include "view/ZarniView.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const int kWidest = 480;

} // namespace

CCodePanel::CCodePanel(QWidget *parent) : CViewPanel(parent)
{
    Retranslate();
    setObjectName(QStringLiteral("codePanel"));
    auto *body = new QWidget(this);
    body->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(body);
    m_list = new QListWidget(body);
    m_list->setObjectName(QStringLiteral("codeLines"));
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setWordWrap(true);
    m_narration = new QLabel(body);
    m_narration->setWordWrap(true);
    m_counts = new QLabel(body);
    m_heap = new QLabel(body);
    m_heap->setWordWrap(true);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_narration);
    layout->addWidget(m_counts);
    layout->addWidget(m_heap);
    setWidget(body);
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

void CCodePanel::Refresh()
{
    const CZarniView *view = View();
    const RunAlgorithm *run = view ? view->Run() : nullptr;
    const QStringList lines = view ? view->Listing() : QStringList();
    m_nCurrent = view ? view->RunLine() : 0;
    if (lines != m_lines) {
        m_lines = lines;
        m_list->clear();
        for (int i = 0; i < lines.size(); ++i)
            m_list->addItem(QStringLiteral("%1  %2").arg(i + 1, 2).arg(lines[i]));
        // Wide enough for the lines as far as a panel beside the tree may be.
        const int wanted = m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 4;
        m_list->setMinimumWidth(std::min(wanted, kWidest));
    }
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem *item = m_list->item(i);
        const bool current = i + 1 == m_nCurrent;
        item->setBackground(current ? HighlightColour() : QBrush());
        item->setForeground(current ? QBrush(Qt::white) : QBrush());
    }
    if (m_nCurrent > 0)
        m_list->scrollToItem(m_list->item(m_nCurrent - 1));
    m_narration->setText(!view ? QString() : view->Question() ? view->QuestionText() : view->Narration());
    m_counts->setText(run ? tr("第 %1 / %2 步　比較 %3 次　搬移 %4 次")
                                .arg(run->Steps().Shown())
                                .arg(run->Steps().StepCount())
                                .arg(run->Steps().Comparisons())
                                .arg(run->Steps().Moves())
                          : QString());
    m_heap->setText(HeapCheck() + HeapOutput());
}

// The values extracted so far, the latest at the end; a long output shows
// its tail.
QString CCodePanel::HeapOutput() const
{
    const CZarniView *view = View();
    const std::vector<int> out = view && view->HasHeapValues() ? view->HeapOut() : std::vector<int>();
    if (out.empty())
        return QString();
    const std::size_t shown = std::min<std::size_t>(out.size(), kMostOutputShown);
    QStringList values;
    if (shown < out.size())
        values << QStringLiteral("…");
    for (std::size_t i = out.size() - shown; i < out.size(); ++i)
        values << QString::number(out[i]);
    return '\n' + tr("已取出 %1 個值：%2").arg(out.size()).arg(values.join(QStringLiteral(", ")));
}

// Whether the tree's values form the heap chosen, and where not.
QString CCodePanel::HeapCheck() const
{
    const CZarniView *view = View();
    if (!view || !view->HasHeapValues())
        return QString();
    const bool min = view->MinHeap();
    const int64_t bad = view->HeapViolation();
    if (bad == 0)
        return min ? tr("最小堆積：每個節點都不大於它的子節點。") : tr("最大堆積：每個節點都不小於它的子節點。");
    auto value = [&](int64_t i) { return QString::fromStdString(view->NodeAt(i)->m_strLabel); };
    return (min ? tr("不是最小堆積：節點 %1 的值 %2 小於父節點 %3 的值 %4。")
                : tr("不是最大堆積：節點 %1 的值 %2 大於父節點 %3 的值 %4。"))
        .arg(bad)
        .arg(value(bad))
        .arg(bad / 2)
        .arg(value(bad / 2));
}
