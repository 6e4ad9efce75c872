// Practice: before each step that decides something, the run stops and the
// learner decides, with a click on a box or the keyboard; the model knows
// the question and its answer. Exercises: the learner acts on the tree
// (clicks, a value dragged onto another, a number pressed), and the model
// grades each action.
#include "ZarniView.h"

#include "RunPlayer.h"
#include "Words.h"
#include "model/exercise/ExerciseState.h"

#include <QKeyEvent>
#include <algorithm>

void CZarniView::SetPractice(bool on)
{
    m_model.SetPractising(on);
}

// A question asked outlines only the node it is about (nothing pointed at
// before, in the tree or the array, stays) and is said; a wrong answer's
// right box is outlined.
void CZarniView::QuestionChanged()
{
    if (const PracticeQuestion *question = Question()) {
        if (m_nHovered)
            emit NodeHovered(m_nHovered = 0);
        SetHighlight(question->node);
    } else {
        SetHighlight(m_model.Revealed());
    }
    Narrate();
    emit PracticeChanged();
}

// A right answer plays on to the next question; a wrong one shows the
// answer with the step it decides, and the run pauses there.
CZarniView::AnswerResult CZarniView::Answer(int64_t choice)
{
    const AnswerResult result = m_model.Answer(choice);
    if (result == AnswerResult::Right)
        m_pPlayer->Resume();
    if (result == AnswerResult::Wrong) {
        m_pPlayer->Pause();
        Narrate();
        emit RunStateChanged();
    }
    return result;
}

void CZarniView::OnPracticeHint()
{
    if (const PracticeQuestion *question = Question()) {
        SetHighlight(question->node);
        emit RunNarrated(Words(m_model.Hint()));
    }
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
        m_model.MovePointer(key == Qt::Key_Left || key == Qt::Key_Up ? -1 : 1);
        const int64_t pointed = m_model.Pointed();
        SetHighlight(!question->kind->choicesAreNodes || pointed == 0 ? question->node : pointed);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return Answer(m_model.Pointed()) != AnswerResult::NotAChoice;
    const bool none = std::find(question->choices.begin(), question->choices.end(), 0) != question->choices.end();
    if (key == Qt::Key_N && none && question->kind->noneChoice)
        return Answer(0) != AnswerResult::NotAChoice;
    if (key >= Qt::Key_1 && key <= Qt::Key_9 && key - Qt::Key_1 < count)
        return Answer(question->choices[std::size_t(key - Qt::Key_1)]) != AnswerResult::NotAChoice;
    return false;
}

// A click on a box answers a question about boxes with it, node 0's
// included.
bool CZarniView::AnswerByClick(CPoint point)
{
    const PracticeQuestion *question = Question();
    if (!question)
        return false;
    if (!question->kind->choicesAreNodes)
        return true;
    const bool onZero = m_model.NodeZeroShown() && WindowBox(0).Intersects({point.x, point.y, point.x + 1, point.y + 1});
    const int64_t index = onZero ? 0 : NodeIndexAt(point);
    if (onZero || index != 0)
        Answer(index);
    return true;
}

ExerciseState &CZarniView::Exercising()
{
    return m_model.Find<ExerciseState>();
}

bool CZarniView::DoingExercise()
{
    return Exercising().Doing();
}

// A press on a box starts an action (and no rubber band); its release
// makes it: on the same box a click, on another a swap of the two values.
bool CZarniView::ExercisePress(CPoint point)
{
    if (!DoingExercise())
        return false;
    m_nExercisePressed = BoxAt(point);
    return true;
}

bool CZarniView::ExerciseRelease(CPoint point)
{
    if (m_nExercisePressed < 0)
        return false;
    const int64_t pressed = std::exchange(m_nExercisePressed, -1), released = BoxAt(point);
    if (pressed != released && pressed > 0 && released > 0 && Exercising().TakesSwaps())
        Follow(Exercising().Act(LearnerAction::Swap(pressed, released)));
    else if (pressed == released && (released > 0 || m_model.NodeZeroShown()))
        Follow(Exercising().Click(released));
    return true;
}

// The box at a window point, node 0's included where it shows; -1 for none.
int64_t CZarniView::BoxAt(CPoint point) const
{
    if (m_model.NodeZeroShown() && WindowBox(0).Intersects({point.x, point.y, point.x + 1, point.y + 1}))
        return 0;
    const int64_t index = NodeIndexAt(point);
    return index ? index : -1;
}

void CZarniView::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier && AnswerByKey(event->key()))
        return;
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier && (key == Qt::Key_1 || key == Qt::Key_2) && Exercising().TakesChoices() &&
        Exercising().Doing()) {
        Follow(Exercising().Press(key - Qt::Key_0));
        return;
    }
    if (event->modifiers() == Qt::NoModifier && CursorKey(key))
        return;
    CScrollView::keyPressEvent(event);
}
