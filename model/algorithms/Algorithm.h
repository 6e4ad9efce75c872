#pragma once
// What an algorithm brings to the program, registered in one table
// (Table.h): what it keeps beside a view's tree, its script statements, its
// menu commands and their dialogs, what it adds to the state, how a saved
// lesson writes it back, and the texts of all these. The view, the frames
// and the application ask the table; none of them names an algorithm.

#include "model/Message.h"
#include "model/StateValue.h"
#include "model/TreeModel.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Exercise;
class ExerciseRandom;
class RunAlgorithm;

// The longest line and the longest whole script a script reads, in bytes.
constexpr int64_t kMaxStatementBytes = 64 * 1024;
constexpr int64_t kMaxScriptBytes = 64 * 1024 * 1024;

// A saved lesson's statements, one a line; a statement longer than a line
// goes on in the next ones (each but the last ending in " \\"), and a
// lesson longer than a script reads is spoilt.
struct LessonLines {
    std::vector<std::string> lines;
    bool tooLong = false;
    int64_t bytes = 0;
    void Add(const std::string &statement)
    {
        constexpr std::size_t kRoom = kMaxStatementBytes - 2; // the " \\" and the newline
        std::size_t from = 0;
        while (statement.size() - from > kRoom) {
            const std::size_t space = statement.rfind(' ', from + kRoom - 1);
            const std::size_t cut = space == std::string::npos || space <= from ? from + kRoom - 1 : space;
            Line(statement.substr(from, cut - from) + " \\");
            from = statement[cut] == ' ' ? cut + 1 : cut;
        }
        Line(statement.substr(from));
    }
    // "repeat N STATEMENT", the statement alone for one, nothing for none.
    void Repeat(int64_t count, const std::string &statement)
    {
        if (count == 1)
            Add(statement);
        else if (count > 1)
            Add("repeat " + std::to_string(count) + " " + statement);
    }

private:
    void Line(std::string line)
    {
        bytes += int64_t(line.size()) + 1;
        tooLong |= bytes > kMaxScriptBytes;
        lines.push_back(std::move(line));
    }
};

// What the tree and its run need of a saved lesson, once the canvas is set.
struct LessonTree {
    bool written = false;  // the algorithm's statements rebuild the tree and its run
    bool marksLeft = false; // its statements leave marks that a selection must clear
    bool selection = true;  // the marks shown, if any, are a selection to be made again
};

// What a command or a statement asks of the player once it has acted.
struct Outcome {
    Message problem; // refused, nothing changed
    enum class Then { Nothing, Play, PlayTo } then = Then::Nothing;
    int64_t target = 0; // PlayTo: the step the play stops after
    int field = -1;     // refused: the dialog's field at fault, if one is
    static Outcome Refused(Message why, int field = -1) { return {std::move(why), Then::Nothing, 0, field}; }
    static Outcome Play() { return {Message(), Then::Play, 0, -1}; }
    static Outcome PlayTo(int64_t step) { return {Message(), Then::PlayTo, step, -1}; }
    bool Failed() const { return !problem.Empty(); }
};

// A cell of a row of values shown beside the tree: read already, a run's
// head, the head the root shows, the latest written.
struct PanelCell {
    enum class Look { Plain, Read, Head, Winner, Latest };
    int value = 0;
    Look look = Look::Plain;
};

// Rows of values shown under the windows: a merge's output and its runs, a
// replacement's input and the runs it made.
class PanelRows {
public:
    virtual ~PanelRows() = default;
    virtual int Count() const = 0;
    virtual int64_t Length(int row) const = 0;
    virtual Message Title(int row) const = 0;
    virtual PanelCell Cell(int row, int64_t column) const = 0;
};

// What the panel shows of an algorithm's record: a summary, a row on top,
// rows below, and what to bring into view.
struct RecordPanel {
    Message summary;
    const PanelRows *top = nullptr;
    const PanelRows *rows = nullptr;
    const void *record = nullptr; // which record: a new one just started shows the panel
    // Changes whenever what the panel shows of the same record does, so
    // that a step that changes nothing there costs the panel nothing.
    int64_t revision = 0;
    bool copyable = false; // the top row's values can be copied
    bool started = false;  // the record has just started
    int64_t topColumn = -1;
    int row = -1;
    int64_t rowColumn = -1;
};

// A row the array panel shows in place of the tree's nodes: the positions
// of an array the tree is built over, position p standing for node
// firstNode + p.
struct ArrayRow {
    const PanelRows *row = nullptr;
    int64_t firstNode = 0;
};

// What one algorithm keeps beside a view's tree.
class AlgorithmState {
public:
    explicit AlgorithmState(TreeModel &model) : m_model(model) {}
    virtual ~AlgorithmState() = default;
    // Another algorithm (or a new tree) takes the tree: what this one kept
    // of it goes. A value edited in place takes it too, unless the values
    // stay this algorithm's.
    virtual void TreeTaken() {}
    virtual void ValueEdited() { TreeTaken(); }
    // The run shown ends where it stands.
    virtual void RunEnding() {}
    // The tree holds this algorithm's values, so a step starts no
    // tournament on them.
    virtual bool HoldsTree() const { return false; }
    // The tree holds values of a shape of its own (a heap, a segment tree),
    // not a selection tree's: no node 0 shows above it, and no runner-up
    // is found in it, however its values look.
    virtual bool HoldsOwnShape() const { return false; }
    // The kind of selection tree changed: a tree of this algorithm's is
    // shown in the new kind, and what is to play said; false when the tree
    // is not this algorithm's.
    virtual bool TreeKindChanged(Outcome *) { return false; }
    // The run Go starts, or null when another algorithm's.
    virtual std::unique_ptr<RunAlgorithm> DefaultRun() const { return nullptr; }
    // What a box's corner says of the node, where its label does not.
    virtual Message Corner(int64_t) const { return {}; }
    // A second small number a box always shows, at its other corner (a
    // pending tag).
    virtual Message Tag(int64_t) const { return {}; }
    // The array panel's row, when the tree is built over an array.
    virtual ArrayRow Positions() const { return {}; }
    // What it adds to the view's state: keys and values.
    virtual void AddState(StateValue &) const {}
    // The lesson's settings (before the tree), then the tree and its run
    // when they are this algorithm's.
    virtual void WriteSettings(LessonLines &) const {}
    virtual LessonTree WriteTree(LessonLines &) const { return {}; }
    // Notes under the code panel's counts (a heap's check).
    virtual std::vector<Message> Notes() const { return {}; }
    // What the record panel shows, when this algorithm has a record.
    virtual bool Panel(RecordPanel *) const { return false; }
    // A run was loaded onto the tree.
    virtual void RunLoaded() {}
    // With no run shown: what the message pane says, and the node outlined
    // (0 for none).
    virtual Message PaneText() const { return {}; }
    virtual int64_t Outlined() const { return 0; }

protected:
    TreeModel &m_model;
};

// What runs a script's statements, as an algorithm's statement sees it.
class StatementHost {
public:
    virtual ~StatementHost() = default;
    // The active view's model; a statement without a view fails.
    virtual TreeModel &Model() = 0;
    // The statement fails: one line (in English), status 2, or 1 for a file.
    [[noreturn]] virtual void Fail(const std::string &line, int status = 2) = 0;
    // The statement is refused for a reason the dialogs also give, after
    // where it was found (a file's name).
    [[noreturn]] virtual void Refuse(const Message &problem, const std::string &where = std::string()) = 0;
    // Fails unless the statement has that many words: "'word' expects:
    // usage".
    virtual void Expect(const std::vector<std::string> &words, std::size_t count) = 0;
    // A decimal whole number from low to high; what names it in a failure.
    virtual int64_t Number(const std::string &word, int64_t low, int64_t high, const std::string &what) = 0;
    // The whole text of a file the statement reads ("-": standard input).
    virtual std::string ReadInput(const std::string &path, const std::string &verb) = 0;
    // Said on standard error; the script goes on.
    virtual void Note(const Message &text) = 0;
    // Plays as the outcome asks (or is refused with its problem); then
    // RunToEnd has a run just started play to its end before the next
    // statement (at once where nothing is to be watched), and Wait waits
    // for what plays.
    virtual void Start(const Outcome &outcome) = 0;
    virtual void RunToEnd() = 0;
    virtual void Wait() = 0;
    // Random values from low to high.
    virtual int Random(int low, int high) = 0;
};

// One form of a statement: its usage, and the commands whose dialog it
// stands for where no dialog can be shown.
struct StatementForm {
    const char *usage;
    std::vector<const char *> replaces;
};

// A statement of the scripts: its word, what it expects, its forms that
// stand for dialogs, its lines of --help, whether it writes files (a lesson
// may not), and what it does.
struct StatementEntry {
    const char *word;
    const char *usage;
    std::vector<StatementForm> forms;
    const char *help;
    bool writesFiles = false;
    std::function<void(StatementHost &, const std::vector<std::string> &words)> run;
};

// A dialog a command opens first: the form it fills in.
struct DialogForm {
    enum class Kind {
        // Every value of a range of nodes (the leaves, or every node) on one
        // line; as many values as another tree would hold offer that tree.
        Values,
        // A node, a value or both.
        NodeValue,
        // A text of numbers (lines of runs, or values), typed, loaded from
        // a file or filled at random; with a spin box for a count.
        Numbers,
        // An exercise: which, its size, its values or a seed.
        Exercise
    };
    Kind kind = Kind::Values;
    Message title;
    Message prompt;
    // The names the tests find the fields by: the first field (NodeValue:
    // the node's), NodeValue's value field, the line that says what is
    // wrong, the spin box.
    std::string fieldName, valueName, problemName, spinName;
    // Values: the range is the leaves (else every node).
    bool leaves = false;
    // NodeValue: its fields, and their prompts; a third field after the
    // value where it has a prompt; what the node field starts with (the
    // node selected, without it).
    bool node = false, value = false;
    std::function<Message(const TreeModel &)> nodePrompt;
    Message valuePrompt;
    Message thirdPrompt;
    std::string thirdName;
    std::function<std::string(const TreeModel &)> nodeStart;
    // Numbers: the text it starts with; the spin box (its prompt, range and
    // start); the random fill (its counts' prompts, ranges and starts, the
    // text it makes and what stands for a text too long to show); a file
    // loaded (the chooser's title, what is wrong with its text, and what
    // stands for a text too long to show).
    std::string startText;
    Message spinPrompt;
    int spinLow = 0, spinHigh = 0, spinStart = 0;
    struct Count {
        Message prompt;
        int low, high, start;
    };
    std::vector<Count> fillCounts;
    std::function<std::string(const std::vector<int> &counts, const std::function<int(int, int)> &random)> fill;
    std::function<Message(const std::vector<int> &counts)> filled;
    Message loadTitle;
    std::function<Message(const std::string &text, int64_t *values)> check;
    std::function<Message(const std::string &fileName, const std::string &text)> loaded;
    // Applies what the form holds, the fields as words (Values: the
    // values; NodeValue: the node, then the value; Numbers: the spin box's
    // value, then the text).
    std::function<Outcome(TreeModel &, const std::vector<std::string> &fields)> apply;
};

// A command of the menus and toolbars: its name (the script's identifier)
// and number, where it stands (a menu by its title, a group within it, a
// place on the run toolbar), its texts, and what it does.
struct CommandEntry {
    CommandEntry(const char *name, int value, const char *menu, int group, Message text, Message prompt)
        : name(name), value(value), menu(menu), group(group), text(std::move(text)), prompt(std::move(prompt))
    {
    }
    const char *name;
    int value;
    const char *menu; // the menu's title, as the menu bar's source text
    int group;        // groups of a menu follow in order, a separator between
    Message text;     // the menu's text, with its key after a tab
    Message prompt;   // the status bar's description, a new line, the tip
    const char *keys = nullptr;  // its shortcut ("Ctrl+Down")
    const char *glyph = nullptr; // its picture on the run toolbar (res/Images)
    std::function<bool(const TreeModel &)> checked; // a checked item
    std::function<bool(const TreeModel &)> enabled; // always, without it
    std::function<Outcome(TreeModel &)> act;        // without a dialog
    std::shared_ptr<DialogForm> dialog;
    int entry = -1; // its algorithm's row in the table
};

// An instance an exercise is done on: the tree it starts from, the model
// answer and the step it ends at, or why the words make none.
struct ExerciseInstance {
    Message problem;
    std::unique_ptr<NodeCopy> tree;
    std::unique_ptr<RunAlgorithm> answer;
    int64_t last = 0;
    int64_t size = 0; // as the exercise counts it: values, leaves, runs, P
};

// An exercise an algorithm offers: the learner does one of its runs by hand
// on a fresh instance of a size.
struct ExerciseEntry {
    const char *name;  // the script's ("heap-build")
    Message title;     // the dialog's
    const char *words; // what its own values are, for the usage
    int lowSize, highSize, startSize;
    bool pops = false; // it ends after a number of pops
    // Set before the instance: the kind of tree it needs.
    std::function<void(TreeModel &)> settle;
    // The words of a random instance of the size, for the view's kinds.
    std::function<std::vector<std::string>(const TreeModel &, int size, ExerciseRandom &)> random;
    // The instance the words make (its own values), for the view's kinds.
    std::function<ExerciseInstance(const TreeModel &, const std::vector<std::string> &words, int pops)> make;
    // Whether the model answer has the cases that make it worth doing.
    std::function<bool(const Exercise &, const std::vector<std::string> &words)> worth;
};

// A row of the table: one algorithm.
struct AlgorithmEntry {
    const char *name;
    std::function<std::unique_ptr<AlgorithmState>(TreeModel &)> makeState;
    std::function<std::vector<StatementEntry>()> statements;
    std::function<std::vector<CommandEntry>()> commands;
    // A double click on a node edits its value this way, if at all.
    std::function<Outcome(TreeModel &, int64_t node, const std::string &value)> editNode;
    std::function<std::vector<ExerciseEntry>()> exercises;
};

// The row of an algorithm whose state beside the tree is State.
template <class State>
AlgorithmEntry EntryOf(const char *name, std::vector<StatementEntry> (*statements)(),
                       std::vector<CommandEntry> (*commands)())
{
    AlgorithmEntry entry;
    entry.name = name;
    entry.makeState = [](TreeModel &model) { return std::make_unique<State>(model); };
    entry.statements = statements;
    entry.commands = commands;
    return entry;
}
