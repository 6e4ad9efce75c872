#include "RunAlgorithm.h"

Message RunAlgorithm::StepHead() const
{
    return Message("RunAlgorithm", ZARNI_TEXT("RunAlgorithm", "第 %1/%2 步："))
        .Number(m_timeline.Shown())
        .Number(m_timeline.StepCount());
}

LearnerAction RunAlgorithm::Action(int64_t k, const NodeStates &before) const
{
    const PracticeQuestion question = Question(k, before);
    if (!question.Asked())
        return {};
    return question.kind->choicesAreNodes ? LearnerAction::Promote(question.answer)
                                          : LearnerAction::Choose(question.answer);
}
