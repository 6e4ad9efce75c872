#include "StepPicture.h"

#include "algorithms/Algorithm.h"

StepPicture::StepPicture(const TreeModel &model) : m_model(model)
{
    const RunAlgorithm *run = model.Run();
    if (!run || model.Shown() == 0)
        return;
    m_segment = run->Boxes(model.Shown());
    m_nShown = model.Shown() - m_segment.offset;
    m_bPainting = m_segment.boxes && model.Shown() < model.StepCount();
}

NodeLook StepPicture::Look(int64_t index) const
{
    if (!m_bPainting)
        return {m_model.Value(index), m_model.Mark(index)};
    return LookAfterPainting(index, LastPainting(index));
}

int64_t StepPicture::LastPainting(int64_t index) const
{
    return m_segment.boxes->LastPaintingOf(index, m_nShown);
}

// The node as it stands, with what the steps after the painting overwrote
// put back: only the steps that write the node can have.
NodeLook StepPicture::LookAfterPainting(int64_t index, int64_t painting) const
{
    NodeLook look{m_model.Value(index), m_model.Mark(index)};
    if (!m_bPainting)
        return look;
    const Timeline &steps = m_model.Run()->Steps();
    int64_t writers[2];
    m_segment.boxes->WritersOf(index, writers);
    for (const int64_t local : writers) {
        const int64_t writer = local ? m_segment.offset + local : 0;
        if (writer <= m_segment.offset + painting || writer > steps.Shown())
            continue;
        int before = 0;
        if (steps.Before(writer, index, NodeChange::kValue, &before))
            look.value = before;
        if (steps.Before(writer, index, NodeChange::kMark, &before))
            look.mark = before;
    }
    return look;
}

Message StepPicture::Corner(const TreeModel &model, int64_t index, int value)
{
    for (const auto &state : model.States())
        if (Message corner = state->Corner(index); !corner.Empty())
            return corner;
    if (value == index)
        return {};
    return Message("StepPicture", "%1").Number(index);
}

Message StepPicture::Tag(const TreeModel &model, int64_t index)
{
    Message tag;
    for (const auto &state : model.States())
        if (Message said = state->Tag(index); !said.Empty())
            tag = said;
    return tag;
}

std::vector<int64_t> StepPicture::Pointed() const
{
    const RunAlgorithm *run = m_model.Run();
    if (!run || m_model.Shown() == 0 || m_segment.boxes)
        return {};
    const TimelineStep &step = run->Steps().Step(m_model.Shown());
    std::vector<int64_t> nodes{step.focus};
    if (const int64_t partner = step.PartnerNode())
        nodes.push_back(partner);
    for (const NodeChange &change : run->Steps().ChangesOf(m_model.Shown()))
        if (change.WhichField() == NodeChange::kSwap)
            nodes.insert(nodes.end(), {change.Node(), int64_t(change.from)});
    return nodes;
}
