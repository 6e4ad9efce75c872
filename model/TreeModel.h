#pragma once
// The model behind a view: the tree's node count, each node's value and
// mark (node 0, shown above the root, included), the run shown on the tree,
// the learner's practice, and what each algorithm keeps beside the tree.
// Plain data in whole numbers: the view draws what it holds and hands it
// the user's input; the tests drive it without a widget.

#include "LargeBlocks.h"
#include "RunAlgorithm.h"

#include <memory>
#include <stdexcept>
#include <vector>

class AlgorithmState;

class TreeModel : public NodeStates {
public:
    // Whoever shows the model or follows it (the view, its panels, speech,
    // an exporter), told of each change.
    class Observer {
    public:
        virtual ~Observer() = default;
        // A new tree of Count() nodes: it is laid out and shown anew.
        virtual void TreeReplaced() = 0;
        // A run grew or shrank the tree.
        virtual void CountChanged(int64_t from, int64_t to) = 0;
        // Values or marks changed otherwise than by a step: all of the tree
        // is to be shown again (node 0's band may have come or gone).
        virtual void TreeChanged() = 0;
        // The run shows another step: one step played forward, or any
        // other way from `from`.
        virtual void StepPlayed(int64_t step) = 0;
        virtual void Sought(int64_t from, int64_t to) = 0;
        // A run was loaded or ended, or a kind, a setting or an
        // algorithm's record beside the tree changed.
        virtual void RunChanged() = 0;
        // A question was asked, answered or dropped, practice turned on or
        // off, or a learner's action in an exercise graded.
        virtual void QuestionChanged() = 0;
    };

    TreeModel();
    ~TreeModel() override;
    TreeModel(const TreeModel &) = delete;
    TreeModel &operator=(const TreeModel &) = delete;
    // Every observer attached is told, in the order they attached; none
    // detaches another.
    void Attach(Observer *observer);
    void Detach(Observer *observer);
    // While one is held, no observer is told anything: a reader walks the
    // run's steps (an export) and shows again the step it found.
    class Quiet {
    public:
        explicit Quiet(TreeModel &model) : m_model(model) { ++m_model.m_nQuiet; }
        ~Quiet() { --m_model.m_nQuiet; }
        Quiet(const Quiet &) = delete;
        Quiet &operator=(const Quiet &) = delete;

    private:
        TreeModel &m_model;
    };

    // Nodes 1..Count() and node 0.
    int Value(int64_t node) const override { return m_values[std::size_t(node)]; }
    int Mark(int64_t node) const override { return m_marks[std::size_t(node)] & kMarkBits; }
    void SetValue(int64_t node, int value) override { m_values[std::size_t(node)] = value; }
    void SetMark(int64_t node, int mark) override;
    int64_t Count() const override { return m_nCount; }
    // A run's growing or shrinking of the tree; the observer follows.
    void SetCount(int64_t count) override;
    void Write(const NodeChange *first, const NodeChange *last, bool forward) override;
    void WriteAll(const std::vector<int> &values, const std::vector<int8_t> &marks) override;

    // A new tree of count nodes, every node empty and plain: the run ends
    // and every algorithm forgets what it kept of the old tree.
    void NewTree(int64_t count);
    // The tree keeps its shape and takes new values, set after: the same,
    // but for the algorithm that takes the tree (null: none).
    void NewValues(const AlgorithmState *taker = nullptr);
    // The taker goes on with the tree as it stands: the run ends, and every
    // other algorithm forgets what it kept of the tree.
    void TakeTree(const AlgorithmState *taker);
    // A node's value is edited in place by the editor: the run ends, and
    // each other algorithm keeps the tree or not.
    void EditValue(int64_t node, int value, const AlgorithmState *editor);
    void ClearMarks();
    // Values or marks were written otherwise than by a step: the observer
    // shows the whole tree again.
    void ValuesChanged();
    // Whether a node of [first, end) may be marked.
    bool AnyMarkIn(int64_t first, int64_t end) const;
    // The node selected alone (mark 1, every other plain), or 0.
    int64_t SelectedNode() const;
    // Every node that may be marked.
    const std::vector<int64_t> &MarkedNodes() const { return m_marked; }

    // Node 0 shows in a band above the root: in a loser tree, unless the
    // tree holds a heap's or a segment tree's values.
    bool NodeZeroShown() const;
    void ShowNodeZero(bool shown);

    // The run shown, null when none. Loading one shows its step 0; ending
    // it leaves the tree as it stands and is the one way a run ends.
    const RunAlgorithm *Run() const { return m_pRun.get(); }
    void Load(std::unique_ptr<RunAlgorithm> run);
    void EndRun();
    // Whether the run is being played (the player says so), and where it
    // stands.
    void SetPlaying(bool playing, int64_t target = -1)
    {
        m_bPlaying = playing;
        m_nPlayTarget = playing ? target : -1;
    }
    bool Playing() const { return m_bPlaying; }
    // The step the play stops after, -1 for the end.
    int64_t PlayTarget() const { return m_nPlayTarget; }
    enum class RunState { Idle, Playing, Paused, Done };
    RunState State() const;
    int64_t Shown() const { return m_pRun ? m_pRun->Steps().Shown() : 0; }
    int64_t StepCount() const { return m_pRun ? m_pRun->Steps().StepCount() : 0; }
    bool AtEnd() const { return Shown() >= StepCount(); }
    // One step forward; false at the end, and when practice holds the step
    // for the learner's answer.
    bool StepForward();
    void StepBack();
    void SeekTo(int64_t k);
    // Every node's value (node 0 first) as it was before the run shown, or
    // as it is with no run.
    std::vector<int> ValuesBeforeRun() const;
    // The pseudocode line of the step shown (0 at step 0 or with no run).
    int Line() const;
    // The name and the listing of the run loaded last, as it showed them,
    // kept when it ends.
    const char *LastName() const { return m_lastName; }
    const Listing &LastListing() const { return *m_pLastListing; }
    // The listing shown from now on is the run's (an exercise's model
    // answer, not played).
    void KeepListing(const RunAlgorithm &run);
    // What the step shown does, empty at step 0; and what the panels say of
    // it: the question asked, or why the answer just given was wrong with
    // the step it played, or that narration.
    Message Narration() const;
    Message ShownNarration() const;

    // A step forward or the end starts the run Go starts only where the
    // tree shows no run and no algorithm's values.
    bool StepStartsRun() const;
    // The run Go starts on this tree.
    std::unique_ptr<RunAlgorithm> DefaultRun() const;

    // Practice: while it is on, each step that decides something waits for
    // the learner's answer. A right answer plays on (the caller plays); a
    // wrong one is counted, the step is played and shown with the right
    // answer, and the run pauses there.
    void SetPractising(bool on);
    bool Practising() const { return m_practice.on; }
    const PracticeQuestion *Question() const;
    enum class AnswerResult { Right, Wrong, NoQuestion, NotAChoice };
    AnswerResult Answer(int64_t choice);
    // The node to outline after an answer: the right box, or the node asked
    // about.
    // With no run shown, what an algorithm outlines.
    int64_t Revealed() const;
    // A learner's action changed the tree or what is said of it.
    void LearnerActed();
    // Names what the question compares, without counting anything.
    Message Hint() const;
    // At the end of a run that asked: what it asked and what was missed.
    Message Summary() const;
    struct Score {
        int64_t asked = 0, right = 0, wrong = 0;
    };
    Score GetScore() const { return m_practice.score; }
    // The choice the keyboard points at, moved by the arrows.
    int64_t Pointed() const;
    void MovePointer(int step);

    // What each algorithm keeps beside the tree, in the order of the table.
    const std::vector<std::unique_ptr<AlgorithmState>> &States() const { return m_states; }
    template <class T>
    T &Find() const
    {
        for (const auto &state : m_states)
            if (auto *found = dynamic_cast<T *>(state.get()))
                return *found;
        throw std::logic_error("no such algorithm in the table");
    }
    // An algorithm's record or setting changed: the panels follow.
    void AlgorithmChanged();

private:
    // A mark's bits; the high bit says the node is on the marked list.
    static constexpr int8_t kMarkBits = 0x3F;
    static constexpr int8_t kListed = 0x40;
    void Resize(int64_t count);
    void Forget(const AlgorithmState *taker);
    bool AskBefore(int64_t step);
    void EndQuestion();

    template <class... Params, class... Args>
    void Tell(void (Observer::*news)(Params...), Args... args);

    std::vector<Observer *> m_observers;
    int m_nQuiet = 0;
    int64_t m_nCount = 0;
    std::vector<int, LargeBlockAllocator<int>> m_values;
    std::vector<int8_t, LargeBlockAllocator<int8_t>> m_marks;
    std::vector<int64_t> m_marked;
    bool m_bNodeZero = false;
    bool m_bPlaying = false;
    int64_t m_nPlayTarget = -1;
    std::unique_ptr<RunAlgorithm> m_pRun;
    const char *m_lastName = "";
    std::shared_ptr<const Listing> m_pLastListing;
    std::vector<std::unique_ptr<AlgorithmState>> m_states;
    struct {
        bool on = false;
        PracticeQuestion question;
        int64_t step = 0;    // the step the question stands before
        int64_t passed = -1; // the step answered, played without asking
        int cursor = 0;      // the choice the keyboard points at
        Score score;
        const RunAlgorithm *run = nullptr; // the run the counts below are of
        int64_t runAsked = 0, runWrong = 0;
        std::vector<Message> missed; // the kinds of the steps missed in that run
        int64_t revealed = 0;
        struct {
            Message text;
            const RunAlgorithm *run = nullptr;
            int64_t step = 0;
        } reveal; // why the last answer was wrong, said while its step shows
    } m_practice;
};
