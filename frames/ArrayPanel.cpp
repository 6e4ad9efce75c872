#include "ArrayPanel.h"

#include "view/Palette.h"
#include "view/Words.h"
#include "view/ZarniView.h"

// The tree's nodes, or the positions of the array it is built over.
ArrayRow CArrayCells::Positions() const
{
    if (!m_view)
        return {};
    for (const auto &state : m_view->Model().States())
        if (const ArrayRow row = state->Positions(); row.row)
            return row;
    return {};
}

qint64 CArrayCells::NodeOf(qint64 column) const
{
    const ArrayRow row = Positions();
    return row.row ? row.firstNode + column : column + 1;
}

qint64 CArrayCells::ColumnOf(qint64 index) const
{
    const ArrayRow row = Positions();
    return row.row ? index - row.firstNode : index - 1;
}

qint64 CArrayCells::CellCount(int) const
{
    const ArrayRow row = Positions();
    return row.row ? row.row->Length(0) : m_view->m_nNodeCount;
}

QString CArrayCells::RowTitle(int) const
{
    const ArrayRow row = Positions();
    return row.row ? Words(row.row->Title(0)) : tr("陣列");
}

CCellSource::Cell CArrayCells::CellAt(int, qint64 column) const
{
    const ArrayRow row = Positions();
    const qint64 index = row.row ? row.firstNode + column : column + 1;
    // As the window shows it, not ahead of it in the middle of a run.
    const CZarniView::NodeLook look = m_view->ShownLook(index);
    const MarkColours colours = ColoursFor(look.mark);
    Cell cell;
    cell.caption = QString::number(row.row ? column : index);
    cell.text = QString::fromStdString(m_view->Model().Text(look.value));
    if (row.row) {
        const PanelCell position = row.row->Cell(0, column);
        cell.text = ValueWords(position.value);
        cell.bold = position.look != PanelCell::Look::Plain;
    }
    cell.fill = colours.fill;
    cell.frame = colours.finalFrame;
    cell.ink = colours.label;
    cell.cue = colours.cue;
    if (m_nPointed > 0 && index == m_nPointed) {
        cell.outline = HighlightColour();
        cell.outlineWidth = 2;
    } else if (m_nPointed > 0 && (index == m_nPointed / 2 || index / 2 == m_nPointed)) {
        cell.outline = RelativeColour();
    }
    return cell;
}

void CArrayPanel::Retranslate()
{
    setWindowTitle(tr("陣列"));
}

CArrayPanel::CArrayPanel(QWidget *parent) : CViewPanel(parent)
{
    Retranslate();
    setObjectName(QStringLiteral("arrayPanel"));
    m_grid = new CCellGrid(this, QStringLiteral("16777215"), true);
    m_grid->setObjectName(QStringLiteral("arraySlots"));
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->SetRowsWanted(1);
    m_grid->SetSource(&m_cells);
    setWidget(m_grid);
    connect(m_grid, &CCellGrid::CellHovered, this, [this](int row, qint64 column) { Point(row < 0 ? 0 : m_cells.NodeOf(column)); });
    connect(m_grid, &CCellGrid::CellClicked, this, [this](int, qint64 column) {
        if (View() && View()->Question())
            View()->Answer(m_cells.NodeOf(column));
        else if (View())
            View()->SelectNode(m_cells.NodeOf(column), false);
    });
    // The tree's outlines go with the panel.
    connect(this, &QDockWidget::visibilityChanged, this, [this] { Point(m_cells.m_nPointed); });
}

qint64 CArrayPanel::FirstShown() const
{
    return m_cells.RowCount() && m_cells.CellCount(0) ? m_grid->FirstColumn() + 1 : 0;
}

qint64 CArrayPanel::LastShown() const
{
    if (!FirstShown())
        return 0;
    return std::min(m_cells.CellCount(0), m_grid->FirstColumn() + m_grid->VisibleColumns());
}

void CArrayPanel::Watch(CZarniView *view)
{
    connect(view, &CZarniView::Drawn, m_grid, &CCellGrid::Refresh);
    connect(view, &CZarniView::NodeSelected, this, [this](qint64 index) { EnsureVisible(index); });
    connect(view, &CZarniView::NodeHovered, this, [this](qint64 index) {
        if (index > 0)
            EnsureVisible(index);
        Point(index);
    });
}

void CArrayPanel::ViewChanged()
{
    m_cells.m_view = View();
    m_cells.m_nPointed = 0;
    m_grid->Refresh();
    emit RelationShown(QString());
}

// A node without a cell (above the positions) brings none into view.
void CArrayPanel::EnsureVisible(qint64 index)
{
    const qint64 column = m_cells.ColumnOf(index);
    if (m_cells.m_view && column >= 0 && column < m_cells.CellCount(0))
        m_grid->EnsureVisible(0, column);
}

void CArrayPanel::Point(qint64 index)
{
    if (!View() || index < 0 || index > View()->m_nNodeCount)
        index = 0;
    const bool changed = index != m_cells.m_nPointed;
    m_cells.m_nPointed = index;
    if (View())
        View()->SetHighlight(isVisible() ? index : 0);
    if (!changed)
        return;
    m_grid->viewport()->update();
    emit RelationShown(index ? Relation(index, View()->m_nNodeCount) : QString());
}

QString CArrayPanel::Relation(qint64 index, qint64 count)
{
    return tr("節點 %1：").arg(index) + NodeRelations(index, count);
}
