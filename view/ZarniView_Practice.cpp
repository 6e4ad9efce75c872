// Practice: before each step that decides something, the run stops and the
// learner decides; the run's algorithm knows the question and its answer.
#include "ZarniView.h"

#include "RunPlayer.h"

#include <QKeyEvent>
#include <algorithm>

namespace {

using Kind = PracticeQuestion::Kind;

bool IsChoice(const PracticeQuestion &question, int64_t choice)
{
    return std::find(question.choices.begin(), question.choices.end(), choice) != question.choices.end();
}

} // namespace

void CZarniView::SetPractice(bool on)
{
    if (on == m_practice.on)
        return;
    m_practice.on = on;
    EndQuestion();
    emit PracticeChanged();
}

const PracticeQuestion *CZarniView::Question() const
{
    const bool asked = m_practice.question.kind != Kind::None && m_practice.run == Run();
    return asked ? &m_practice.question : nullptr;
}

// The player's gate: a step that decides something waits for the answer,
// unless it has just been answered.
bool CZarniView::AskBefore(int64_t step)
{
    if (!m_practice.on || step == m_practice.passed)
        return false;
    if (Question() && m_practice.step == step)
        return true; // still waiting
    if (m_practice.run != Run()) {
        m_practice.run = Run();
        m_practice.runAsked = m_practice.runWrong = 0;
        m_practice.missed.clear();
    }
    PracticeQuestion question = Run()->Question(step, *m_pTreeStates);
    if (question.kind == Kind::None)
        return false;
    Ask(std::move(question), step);
    return true;
}

void CZarniView::Ask(PracticeQuestion question, int64_t step)
{
    m_practice.question = std::move(question);
    m_practice.step = step;
    m_practice.cursor = 0;
    m_practice.reveal = {};
    // Only this question's outline: nothing pointed at before, in the tree
    // or the array, stays.
    if (m_nHovered)
        emit NodeHovered(m_nHovered = 0);
    SetHighlight(m_practice.question.node);
    emit RunNarrated(QuestionText());
    emit PracticeChanged();
}

// Before a merge's pop: the leaf of the run its output comes from, among
// the runs not spent.
void CZarniView::AskPop()
{
    PracticeQuestion question{Kind::Pop, m_bLoserTree ? 0 : 1, {}, m_pMerge->LeafOfRun(m_pMerge->WinningRun())};
    for (int j = 0; j < m_pMerge->RunCount(); ++j)
        if (m_pMerge->Consumed(j) < int64_t(m_pMerge->Run(j).size()))
            question.choices.push_back(m_pMerge->LeafOfRun(j));
    m_practice.run = Run();
    Ask(std::move(question), -1);
    emit RunStateChanged();
}

void CZarniView::EndQuestion()
{
    if (m_practice.question.kind == Kind::None)
        return;
    m_practice.question = {};
    SetHighlight(0);
    emit PracticeChanged();
}

QString CZarniView::QuestionText() const
{
    const PracticeQuestion &q = m_practice.question;
    switch (q.kind) {
    case Kind::Match: return tr("練習：節點 %1 的比賽，哪個子節點那邊勝？點它的方框。").arg(q.node);
    case Kind::Climb: return tr("練習：節點 %1，往上的值（節點 0）和留下的值，哪個勝？點勝的方框。").arg(q.node);
    case Kind::SinkTo: return tr("練習：節點 %1 的值要和哪個子節點交換？點那個子節點；不交換按 N。").arg(q.node);
    case Kind::Rise: return tr("練習：節點 %1 的值要和父節點交換嗎？交換就點父節點；不交換按 N。").arg(q.node);
    case Kind::Pop: return tr("練習：下一個輸出的值來自哪個序列？點那個序列的葉節點。");
    case Kind::Run:
        return tr("練習：讀入的值屬於目前的序列 %1 還是下一個序列 %2？按 1 或 2。").arg(q.choices[0]).arg(q.choices[1]);
    case Kind::None: break;
    }
    return QString();
}

QString CZarniView::RevealText() const
{
    const PracticeQuestion &q = m_practice.question;
    if (q.kind == Kind::Run)
        return tr("不對，它屬於序列 %1。").arg(q.answer);
    if (q.kind == Kind::Pop)
        return tr("不對，它來自葉節點 %1 的序列。").arg(q.answer);
    if (q.answer != 0)
        return tr("不對，答案是節點 %1。").arg(q.answer);
    return q.kind == Kind::Climb ? tr("不對，往上的值（節點 0）勝。") : tr("不對，不交換。");
}

// A right answer plays on to the next question; a wrong one shows the
// answer with the step it decides, and the run pauses there.
CZarniView::AnswerResult CZarniView::Answer(int64_t choice)
{
    const PracticeQuestion *question = Question();
    if (!question)
        return AnswerResult::NoQuestion;
    if (!IsChoice(*question, choice))
        return AnswerResult::NotAChoice;
    const bool right = choice == question->answer;
    m_practice.passed = m_practice.step;
    ++m_practice.score.asked; // a question counts once answered
    ++m_practice.runAsked;
    if (question->kind == Kind::Pop)
        return AnswerPop(right);
    if (right) {
        ++m_practice.score.right;
        EndQuestion();
        m_pPlayer->Play();
        return AnswerResult::Right;
    }
    ++m_practice.score.wrong;
    ++m_practice.runWrong;
    Missed(question->kind);
    const QString reveal = RevealText();
    // "None" and a run's number are said; the node asked about is outlined.
    const bool aNode = question->kind != Kind::Run && question->answer != 0;
    const int64_t answer = aNode ? question->answer : question->node;
    EndQuestion();
    m_pPlayer->StepForward();
    SetHighlight(answer);
    m_practice.reveal = {reveal, Run(), RunStep()};
    emit RunNarrated(reveal + Narration());
    emit PracticeChanged();
    emit RunStateChanged();
    return AnswerResult::Wrong;
}

// What the panels say of the step shown: the question asked, or why the
// answer just given was wrong and what the step did, or the narration.
QString CZarniView::ShownNarration() const
{
    if (Question())
        return QuestionText();
    const auto &reveal = m_practice.reveal;
    if (!reveal.text.isEmpty() && reveal.run == Run() && reveal.step == RunStep())
        return reveal.text + Narration();
    return Narration();
}

void CZarniView::Missed(PracticeQuestion::Kind kind)
{
    static const char *const kinds[] = {"", QT_TR_NOOP("比賽"), QT_TR_NOOP("敗者樹往上"), QT_TR_NOOP("下沉"),
                                        QT_TR_NOOP("上浮"), QT_TR_NOOP("序列"), QT_TR_NOOP("合併輸出")};
    const QString missed = tr(kinds[int(kind)]);
    if (!m_practice.missed.contains(missed))
        m_practice.missed << missed;
}

// The pop is made either way; a wrong answer is shown with it.
CZarniView::AnswerResult CZarniView::AnswerPop(bool right)
{
    const QString reveal = RevealText();
    ++(right ? m_practice.score.right : m_practice.score.wrong);
    if (!right) {
        ++m_practice.runWrong;
        Missed(Kind::Pop);
    }
    EndQuestion();
    m_practice.popAnswered = true;
    OnWinnerPop();
    if (!right) {
        m_practice.reveal = {reveal, Run(), RunStep()};
        emit RunNarrated(reveal);
        emit PracticeChanged();
    }
    return right ? AnswerResult::Right : AnswerResult::Wrong;
}

void CZarniView::OnPracticeHint()
{
    const PracticeQuestion *question = Question();
    if (!question)
        return;
    QStringList nodes;
    for (const int64_t choice : question->choices)
        if (question->kind != Kind::Run && choice != 0)
            nodes << QString::number(choice);
    SetHighlight(question->node);
    const Timeline &steps = Run()->Steps();
    const int line = steps.Recorded() >= m_practice.step ? steps.Step(m_practice.step).line : 0;
    const QString compared = tr("提示：比較的是節點 %1 與 %2。")
                                 .arg(question->node)
                                 .arg(nodes.isEmpty() ? tr("剛寫出的值") : nodes.join(tr("、")));
    emit RunNarrated(line ? compared + tr("看虛擬碼第 %1 行。").arg(line) : compared);
}

// At the end of a run that asked, what it asked and what was missed.
void CZarniView::SummariseIfDone(int64_t step)
{
    if (!m_practice.on || step != RunStepCount() || m_practice.run != Run() || m_practice.runAsked == 0)
        return;
    QString text = tr("練習結束：這次問了 %1 題，錯了 %2 題。").arg(m_practice.runAsked).arg(m_practice.runWrong);
    if (!m_practice.missed.isEmpty())
        text += tr("錯在：%1。").arg(m_practice.missed.join(tr("、")));
    emit RunNarrated(text);
}

// Arrows move between the choices, Enter answers the one pointed at, N
// answers "none", 1 to 9 the choice of that number.
bool CZarniView::AnswerByKey(int key)
{
    const PracticeQuestion *question = Question();
    if (!question)
        return false;
    const int count = int(question->choices.size());
    if (key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down) {
        const int step = key == Qt::Key_Left || key == Qt::Key_Up ? count - 1 : 1;
        m_practice.cursor = (m_practice.cursor + step) % count;
        const int64_t pointed = question->choices[std::size_t(m_practice.cursor)];
        SetHighlight(question->kind == Kind::Run || pointed == 0 ? question->node : pointed);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return Answer(question->choices[std::size_t(m_practice.cursor)]) != AnswerResult::NotAChoice;
    if (key == Qt::Key_N && IsChoice(*question, 0) && question->kind != Kind::Climb)
        return Answer(0) != AnswerResult::NotAChoice;
    if (key >= Qt::Key_1 && key <= Qt::Key_9 && key - Qt::Key_1 < count)
        return Answer(question->choices[std::size_t(key - Qt::Key_1)]) != AnswerResult::NotAChoice;
    return false;
}

// A click on a box answers with it, node 0's included.
bool CZarniView::AnswerByClick(CPoint point)
{
    if (!Question())
        return false;
    const bool onZero = m_bLoserTree && WindowBox(0).Intersects({point.x, point.y, point.x + 1, point.y + 1});
    const int64_t index = onZero ? 0 : NodeIndexAt(point);
    if (onZero || index != 0)
        Answer(index);
    return true;
}

void CZarniView::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier && AnswerByKey(event->key()))
        return;
    CScrollView::keyPressEvent(event);
}
