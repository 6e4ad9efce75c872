#include "RunAlgorithm.h"

Message RunAlgorithm::StepHead() const
{
    return Message("RunAlgorithm", ZARNI_TEXT("RunAlgorithm", "第 %1/%2 步："))
        .Number(m_timeline.Shown())
        .Number(m_timeline.StepCount());
}
