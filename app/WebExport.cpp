#include "WebExport.h"

#include "Zarni.h"
#include "framework/FileWrite.h"
#include "model/algorithms/Algorithm.h"
#include "model/exercise/ExerciseState.h"
#include "res/Languages.h"
#include "view/Words.h"
#include "view/Palette.h"
#include "view/ZarniView.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTranslator>
#include <private/qzipwriter_p.h>
#include <algorithm>
#include <climits>
#include <map>
#include <tuple>
#include <optional>

namespace {

uint64_t Zigzag(int64_t n)
{
    return (uint64_t(n) << 1) ^ uint64_t(n >> 63);
}

// Whole numbers, most of them small, in as few bytes as they need: seven
// bits a byte, the high bit saying that more follow; signed ones zigzagged.
class Stream {
public:
    void Put(uint64_t n)
    {
        for (; n >= 0x80; n >>= 7)
            m_bytes += char((n & 0x7F) | 0x80);
        m_bytes += char(n);
    }
    void Signed(int64_t n) { Put(Zigzag(n)); }
    void Append(const QByteArray &more) { m_bytes += more; }
    const QByteArray &Bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// The texts the page says, each once, in every language of the table (in
// its order); words said as they are, each once.
class Texts {
public:
    // A language without its translation says the source texts.
    Texts() : m_translators(Languages().size())
    {
        for (std::size_t i = 0; i < Languages().size(); ++i)
            if (const char *file = Languages()[i].ownFile)
                static_cast<void>(m_translators[i].load(QString::fromLatin1(file), QStringLiteral(":/i18n")));
    }

    // A message: its parts (itself, then what follows it), each a text's
    // number (0 for none) and its arguments.
    void Write(Stream &out, const Message &message)
    {
        out.Put(1 + message.Then().size());
        WritePart(out, message.Head());
        for (const Message &next : message.Then())
            Write(out, next);
    }
    // The step the messages that follow are of, and the run's steps.
    void SetStep(int64_t step, int64_t steps)
    {
        m_nStep = step;
        m_nSteps = steps;
    }
    QJsonArray Table() const { return m_table; }
    QJsonArray WordTable() const { return m_wordTable; }
    QJsonArray All(const Message &message) const
    {
        QJsonArray said;
        for (const QTranslator &translator : m_translators)
            said.append(Words(message, &translator));
        return said;
    }

private:
    // An argument is one number: what it is in the low three bits (a
    // number 0, a value 1, as in Message), what it says above them.
    static constexpr uint64_t kNested = 2, kWord = 3, kTheStep = 4, kTheSteps = 5;

    void WritePart(Stream &out, const Message &part)
    {
        const bool counted = part.CountOf() >= 0;
        out.Put(TextNumber(part));
        out.Put(part.Args().size() + (counted ? 1 : 0));
        for (const Message::Arg &arg : part.Args()) {
            switch (arg.kind) {
            case Message::ArgKind::Number:
                if (arg.number == m_nStep || arg.number == m_nSteps) { // "step k of n" costs a byte
                    out.Put(arg.number == m_nStep ? kTheStep : kTheSteps);
                    break;
                }
                out.Put(Zigzag(arg.number) * 8 + uint64_t(arg.kind));
                break;
            case Message::ArgKind::Value: out.Put(Zigzag(arg.number) * 8 + uint64_t(arg.kind)); break;
            case Message::ArgKind::Nested:
                out.Put(kNested);
                Write(out, part.Nested(std::size_t(arg.number)));
                break;
            case Message::ArgKind::Word: out.Put(WordNumber(part.Word(std::size_t(arg.number))) * 8 + kWord); break;
            case Message::ArgKind::Real:
                out.Put(WordNumber(QString::number(part.Real(std::size_t(arg.number)), 'f', arg.decimals).toStdString()) * 8 + kWord);
                break;
            }
        }
        if (counted) // the place after the numbered ones: the page's texts say it there
            out.Put(Zigzag(part.CountOf()) * 8 + uint64_t(Message::ArgKind::Number));
    }
    uint64_t TextNumber(const Message &part)
    {
        if (!part.Text())
            return 0;
        // A text with a count is kept once a plural form, its %n a numbered place.
        const int n = int(std::clamp<int64_t>(part.CountOf(), -1, INT_MAX));
        const QString place = QStringLiteral("%") + QString::number(part.Args().size() + 1);
        QStringList said;
        for (const QTranslator &translator : m_translators) {
            QString text = translator.translate(part.Context(), part.Text(), nullptr, n);
            if (text.isEmpty())
                text = QString::fromUtf8(part.Text());
            said << (n >= 0 ? text.replace(QLatin1String("%n"), place) : text);
        }
        const auto key = std::make_pair(std::string(part.Context()), said.join(QChar(0)).toStdString());
        auto found = m_numbers.find(key);
        if (found == m_numbers.end()) {
            m_table.append(QJsonArray::fromStringList(said));
            found = m_numbers.emplace(key, m_table.size()).first;
        }
        return uint64_t(found->second);
    }
    uint64_t WordNumber(const std::string &word)
    {
        auto found = m_words.find(word);
        if (found == m_words.end()) {
            m_wordTable.append(QString::fromStdString(word));
            found = m_words.emplace(word, m_wordTable.size() - 1).first;
        }
        return uint64_t(found->second);
    }

    int64_t m_nStep = -1;
    int64_t m_nSteps = -1;
    std::vector<QTranslator> m_translators; // the source language's holds nothing
    std::map<std::pair<std::string, std::string>, qsizetype> m_numbers;
    std::map<std::string, qsizetype> m_words;
    QJsonArray m_table;
    QJsonArray m_wordTable;
};

struct Look {
    int value;
    int mark;
    bool operator==(const Look &other) const { return value == other.value && mark == other.mark; }
};

// Records each step of the view's run from `from` to `to` as the page
// replays it: the tree's changes, and where the picture differs from the
// tree (in the middle of a run's painting steps), each box that begins or
// ends to differ.
class Recorder {
public:
    Recorder(const CZarniView *view, TreeModel &model, Texts *texts) : m_view(view), m_model(model), m_texts(texts) {}

    void Start(int64_t from)
    {
        m_model.SeekTo(from);
        m_nMaxCount = m_model.Count();
        m_out.Put(uint64_t(m_model.Count()));
        for (int64_t i = 0; i <= m_model.Count(); ++i) {
            m_out.Signed(m_model.Number(m_model.Value(i)));
            m_out.Put(uint64_t(m_model.Mark(i)));
        }
        std::vector<int64_t> every;
        for (int64_t i = 1; i <= m_model.Count(); ++i)
            every.push_back(i);
        WriteLooks(every);
        WriteTags(every);
        WriteStep();
        StartPanel();
        m_nFirstBytes = m_out.Bytes().size();
    }

    void Next(int64_t k)
    {
        const RunAlgorithm *run = m_model.Run();
        const PracticeQuestion question = run->Question(k, m_model);
        m_model.SeekTo(k);
        m_nMaxCount = std::max(m_nMaxCount, m_model.Count());
        const auto changes = run->Steps().ChangesOf(k);
        m_out.Put(uint64_t(changes.last - changes.first));
        std::vector<int64_t> touched;
        for (const auto &[node, look] : m_overrides)
            touched.push_back(node);
        for (const NodeChange &change : changes) {
            const bool value = change.WhichField() == NodeChange::kValue;
            m_out.Put(change.nodeAndField);
            m_out.Signed(value ? m_model.Number(change.from) : change.from);
            m_out.Signed(value ? m_model.Number(change.to) : change.to);
            touched.push_back(change.Node());
            if (change.WhichField() == NodeChange::kSwap)
                touched.push_back(change.from);
        }
        if (const int64_t focus = run->Steps().Step(k).focus)
            touched.push_back(focus);
        WriteLooks(touched);
        WriteTags(touched);
        WriteStep();
        WriteQuestion(question);
        WritePanel();
    }

    int64_t MaxCount() const { return m_nMaxCount; }
    // The panel's rows' titles (the top row first), when the page shows it.
    const std::vector<Message> &PanelTitles() const { return m_panelTitles; }
    // The tree and the first step; the steps after.
    QByteArray First() const { return m_out.Bytes().left(m_nFirstBytes); }
    QByteArray Rest() const { return m_out.Bytes().mid(m_nFirstBytes); }
    const std::vector<const QuestionKind *> &Kinds() const { return m_kinds; }

private:
    // Each box that begins or ends to show other than the tree, or shows
    // otherwise again: its look before and after (bit 0 and bit 1 of its
    // flags say which it has), so that the page goes either way.
    void WriteLooks(std::vector<int64_t> nodes)
    {
        std::sort(nodes.begin(), nodes.end());
        nodes.erase(std::unique(nodes.begin(), nodes.end()), nodes.end());
        Stream changed;
        std::size_t count = 0;
        for (const int64_t i : nodes) {
            const auto was = m_overrides.find(i);
            std::optional<Look> now;
            if (i >= 1 && i <= m_model.Count()) {
                const CZarniView::NodeLook shown = m_view->ShownLook(i);
                if (!(Look{shown.value, shown.mark} == Look{m_model.Value(i), m_model.Mark(i)}))
                    now = Look{shown.value, shown.mark};
            }
            if (was == m_overrides.end() ? !now : now && *now == was->second)
                continue;
            ++count;
            changed.Put(uint64_t(i));
            changed.Put((was != m_overrides.end() ? 1 : 0) | (now ? 2 : 0));
            for (const std::optional<Look> &look : {was != m_overrides.end() ? std::optional<Look>(was->second) : std::nullopt, now}) {
                if (look) {
                    changed.Signed(m_model.Number(look->value));
                    changed.Put(uint64_t(look->mark));
                }
            }
            if (now)
                m_overrides[i] = *now;
            else
                m_overrides.erase(was);
        }
        m_out.Put(count);
        m_out.Append(changed.Bytes());
    }

    // Each box whose tag (what an algorithm keeps beside its value) begins,
    // ends or changes: its node and its tag before and after, empty for
    // none. A step changes a node's tag only where it changes the node or
    // points at it.
    void WriteTags(const std::vector<int64_t> &nodes)
    {
        std::vector<std::pair<int64_t, Message>> changed;
        for (const int64_t i : nodes) {
            Message tag;
            for (const auto &state : m_model.States())
                if (Message said = state->Tag(i); !said.Empty())
                    tag = said;
            const auto was = m_tags.find(i);
            if (was == m_tags.end() ? tag.Empty() : tag == was->second)
                continue;
            changed.emplace_back(i, tag);
        }
        m_out.Put(changed.size());
        for (const auto &[node, tag] : changed) {
            m_out.Put(uint64_t(node));
            const auto was = m_tags.find(node);
            m_texts->Write(m_out, was == m_tags.end() ? Message() : was->second);
            m_texts->Write(m_out, tag);
            if (tag.Empty())
                m_tags.erase(node);
            else
                m_tags[node] = tag;
        }
    }

    void WriteStep()
    {
        const Timeline &steps = m_model.Run()->Steps();
        m_out.Put(uint64_t(m_model.Line()));
        const std::vector<int64_t> pointed = m_view->PointedNodes();
        m_out.Put(pointed.size());
        for (const int64_t node : pointed)
            m_out.Put(uint64_t(node));
        m_out.Signed(steps.Comparisons() - m_nComparisons);
        m_out.Signed(steps.Moves() - m_nMoves);
        m_nComparisons = steps.Comparisons();
        m_nMoves = steps.Moves();
        m_texts->SetStep(m_model.Shown(), m_model.StepCount());
        m_texts->Write(m_out, m_model.Narration());
    }

    void WriteQuestion(const PracticeQuestion &question)
    {
        if (!question.Asked()) {
            m_out.Put(0);
            return;
        }
        m_out.Put(KindNumber(question.kind));
        m_out.Put(uint64_t(question.node));
        m_out.Put(question.choices.size());
        for (const int64_t choice : question.choices)
            m_out.Put(uint64_t(choice));
        m_out.Put(uint64_t(question.answer));
        m_texts->SetStep(-1, -1); // asked before its step: its numbers are said as they are
        m_texts->Write(m_out, question.kind->ask(question));
        m_texts->Write(m_out, question.kind->reveal(question));
    }

    // The rows of values an algorithm shows beside the tree (a merge's
    // output and runs, a replacement's input and runs), the top row first;
    // false when it shows none. Without rows, only what the panel says of
    // itself (its revision).
    bool ReadPanel(RecordPanel *panel, std::vector<std::vector<PanelCell>> *rows) const
    {
        bool shown = false;
        for (const auto &state : m_model.States())
            if (!shown && state->Panel(panel))
                shown = true;
        if (!shown || !rows)
            return shown;
        rows->clear();
        for (const PanelRows *part : {panel->top, panel->rows}) {
            for (int row = 0; part && row < part->Count(); ++row) {
                rows->emplace_back();
                for (int64_t column = 0; column < part->Length(row); ++column)
                    rows->back().push_back(part->Cell(row, column));
            }
        }
        return true;
    }

    // A panel of a classroom's size goes into the page: its rows at the
    // first step, then each change of a cell, both ways.
    void StartPanel()
    {
        RecordPanel panel;
        int64_t cells = 0;
        m_bPanel = ReadPanel(&panel, &m_panel);
        for (const auto &row : m_panel)
            cells += int64_t(row.size());
        m_bPanel = m_bPanel && cells <= kMostPanelCells;
        m_out.Put(m_bPanel ? 1 : 0);
        if (!m_bPanel)
            return;
        AddTitles(panel);
        m_nPanelRevision = panel.revision;
        m_texts->SetStep(-1, -1);
        m_texts->Write(m_out, panel.summary);
        m_out.Put(m_panel.size());
        for (const auto &row : m_panel) {
            m_out.Put(row.size());
            for (const PanelCell &cell : row) {
                m_out.Signed(cell.value);
                m_out.Put(uint64_t(cell.look));
            }
        }
    }

    // The titles of rows the panel shows for the first time: a replacement
    // makes its runs as it goes.
    void AddTitles(const RecordPanel &panel)
    {
        std::vector<Message> titles;
        for (const PanelRows *part : {panel.top, panel.rows})
            for (int row = 0; part && row < part->Count(); ++row)
                titles.push_back(part->Title(row));
        for (std::size_t row = m_panelTitles.size(); row < titles.size(); ++row)
            m_panelTitles.push_back(titles[row]);
    }

    void WritePanel()
    {
        RecordPanel panel;
        std::vector<std::vector<PanelCell>> rows;
        const bool changed = m_bPanel && ReadPanel(&panel, nullptr) && panel.revision != m_nPanelRevision;
        if (!changed || !ReadPanel(&panel, &rows)) {
            m_out.Put(0);
            return;
        }
        m_nPanelRevision = panel.revision;
        m_out.Put(1);
        m_texts->SetStep(-1, -1);
        m_texts->Write(m_out, panel.summary);
        AddTitles(panel);
        Stream changes;
        uint64_t count = 0;
        m_panel.resize(std::max(m_panel.size(), rows.size()));
        rows.resize(m_panel.size()); // a row gone has no cells
        for (std::size_t row = 0; row < rows.size(); ++row) {
            const auto &was = m_panel[row], &now = rows[row];
            for (std::size_t column = 0; column < std::max(was.size(), now.size()); ++column) {
                const bool had = column < was.size(), has = column < now.size();
                if (had && has && was[column].value == now[column].value && was[column].look == now[column].look)
                    continue;
                ++count;
                changes.Put(row);
                changes.Put(column);
                changes.Put((had ? 1 : 0) | (has ? 2 : 0));
                for (const auto *cell : {had ? &was[column] : nullptr, has ? &now[column] : nullptr}) {
                    if (cell) {
                        changes.Signed(cell->value);
                        changes.Put(uint64_t(cell->look));
                    }
                }
            }
        }
        m_out.Put(count);
        m_out.Append(changes.Bytes());
        m_panel = std::move(rows);
    }

    uint64_t KindNumber(const QuestionKind *kind)
    {
        const auto found = std::find(m_kinds.begin(), m_kinds.end(), kind);
        if (found != m_kinds.end())
            return uint64_t(found - m_kinds.begin()) + 1;
        m_kinds.push_back(kind);
        return m_kinds.size();
    }

    const CZarniView *m_view;
    TreeModel &m_model;
    Texts *m_texts;
    Stream m_out;
    std::map<int64_t, Look> m_overrides;
    std::vector<const QuestionKind *> m_kinds;
    std::map<int64_t, Message> m_tags;
    int64_t m_nComparisons = 0;
    int64_t m_nMoves = 0;
    int64_t m_nMaxCount = 0;
    qsizetype m_nFirstBytes = 0;
    static constexpr int64_t kMostPanelCells = 4096;
    bool m_bPanel = false;
    std::vector<std::vector<PanelCell>> m_panel;
    std::vector<Message> m_panelTitles;
    int64_t m_nPanelRevision = 0;
};

QByteArray Resource(const QString &name)
{
    QFile file(QStringLiteral(":/web/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The run's data as the page reads it: what shows the first step, read as
// the page opens, and the steps after it, compressed, read once it is shown.
struct PageData {
    QByteArray first;
    QByteArray rest;
};

// An exercise as the page grades it: its actions (the steps that make
// each and the program's steps after it, what it is, the node outlined
// when it is due) and what it says, in both languages.
QJsonObject ExerciseData(const ExerciseState &state, Texts &texts)
{
    const Exercise &exercise = *state.Current();
    QJsonArray units;
    for (const Exercise::Unit &unit : exercise.Units())
        units.append(QJsonArray{qint64(unit.first), qint64(unit.last), int(unit.action.kind), qint64(unit.action.a),
                                qint64(unit.action.b), qint64(unit.focus), unit.stage, qint64(unit.task), qint64(unit.run)});
    const ExerciseTexts &says = ExerciseSays();
    const std::pair<const char *, const Message *> named[] = {
        {"swap", &says.kinds[0]}, {"match", &says.kinds[1]}, {"run", &says.kinds[2]}, {"swapDue", &says.swapDue},
        {"promoteDue", &says.promoteDue}, {"chooseDue", &says.chooseDue}, {"noSwap", &says.noSwap},
        {"notInRun", &says.notInRun}, {"notYet", &says.notYet}, {"otherSide", &says.otherSide}, {"tie", &says.tie},
        {"threeWrong", &says.threeWrong}, {"progress", &says.progress}, {"solutionShown", &says.solutionShown},
        {"summary", &says.summary}, {"missedFirst", &says.missedFirst}, {"missedNext", &says.missedNext}};
    QJsonObject said;
    for (const auto &[name, message] : named)
        said.insert(QLatin1String(name), texts.All(*message));
    said.insert(QStringLiteral("start"), texts.All(Message(says.heading).With(state.Entry()->title).Append(state.How())));
    return {{"name", exercise.Name().c_str()}, {"size", qint64(exercise.Size())}, {"units", units}, {"texts", said}};
}

// The page's own words (its controls and the practice it plays), from the
// catalogue in every language of the table: its script holds none.
QJsonObject PageWords(const Texts &texts)
{
    static const std::pair<const char *, Message> words[] = {
        {"start", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "從頭開始"))},
        {"back", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "上一步"))},
        {"play", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "播放"))},
        {"pause", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "暫停"))},
        {"step", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "下一步"))},
        {"end", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "直接看結果"))},
        {"speed", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "速度"))},
        {"practice", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "練習"))},
        {"zoom", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "縮放"))},
        {"counts", Message("CCodePanel", "第 %1 / %2 步　比較 %3 次　搬移 %4 次")},
        {"visits", Message("CCodePanel", "第 %1 / %2 步　走過 %3 個節點　合併 %4 次")},
        {"hint", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "提示"))},
        {"none", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "沒有"))},
        {"solution", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "看解答"))},
        {"score", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "答對 %1 題，答錯 %2 題（共 %3 題）"))},
        {"summary", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "練習結束：這次問了 %1 題，錯了 %2 題。"))},
        {"missed", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "錯在：%1。"))},
        {"hintText", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "提示：比較的是節點 %1 與 %2。"))},
        {"hintLine", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "看虛擬碼第 %1 行。"))},
        {"written", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "剛寫出的值"))},
        {"right", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "答對了。"))},
        {"joiner", Message("WebPage", QT_TRANSLATE_NOOP("WebPage", "、"))},
    };
    QJsonObject said;
    for (const auto &[key, message] : words)
        said.insert(QLatin1String(key), texts.All(message));
    return said;
}

// The languages the page speaks, as the table has them: their codes and
// their names in themselves.
QJsonArray PageLanguages()
{
    QJsonArray languages;
    for (const Language &language : Languages())
        languages.append(QJsonArray{language.code, QString::fromUtf8(language.name)});
    return languages;
}

// The colours the page draws in: the program's palette, each mark's fill,
// frame, label and cue, the width of the lines, the outline of the nodes a
// step points at and the record panel's cells.
QJsonObject PaletteData()
{
    const Palette &palette = CurrentPalette();
    auto css = [](const QColor &colour) { return colour.name(); };
    QJsonArray marks;
    for (const MarkColours &mark : palette.marks)
        marks.append(QJsonArray{css(mark.fill), css(mark.finalFrame), css(mark.label), int(mark.cue)});
    auto cell = [&css](const CellColours &colours) {
        return QJsonArray{css(colours.fill), css(colours.frame), css(colours.ink)};
    };
    return {{"name", palette.name}, {"marks", marks}, {"line", palette.line}, {"pointed", css(palette.pointed)},
            {"read", cell(palette.read)}, {"head", cell(palette.head)}, {"winner", cell(palette.winner)}};
}

PageData RunData(CZarniView *view, const RunExportOptions &options, bool scorm, const ExerciseState *exercise)
{
    Texts texts;
    Recorder recorder(view, view->Model(), &texts);
    view->ReadRunQuietly([&](TreeModel &) {
        recorder.Start(options.from);
        for (int64_t k = options.from + 1; k <= options.to; ++k)
            recorder.Next(k);
    });
    const RunAlgorithm *run = view->Run();
    QJsonArray listing;
    for (const ListingLine &line : run->Lines())
        listing.append(QJsonArray{line.indent, texts.All(line.text)});
    QJsonArray panel;
    for (const Message &title : recorder.PanelTitles())
        panel.append(texts.All(title));
    QJsonArray kinds;
    for (const QuestionKind *kind : recorder.Kinds())
        kinds.append(QJsonObject{{"name", kind->name},
                                 {"nodes", kind->choicesAreNodes},
                                 {"none", kind->noneChoice},
                                 {"missed", texts.All(kind->missed)}});
    const CZarniApp *app = CZarniApp::Get();
    QJsonObject data{
        {"palette", PaletteData()},
        {"algorithm", run->Name()},
        {"visits", run->CountsVisits()},
        {"language", app ? app->Language() : QString::fromLatin1(Languages().front().code)},
        {"languages", PageLanguages()},
        {"scale", options.scale},
        {"from", qint64(options.from)},
        {"to", qint64(options.to)},
        {"steps", qint64(view->RunStepCount())},
        {"canvas", QJsonArray{view->GetTotalSize().cx, view->GetTotalSize().cy, view->m_nXDivisor, view->m_nYDivisor}},
        {"nodeZero", view->Model().NodeZeroShown()},
        {"maxCount", qint64(recorder.MaxCount())},
        {"listing", listing},
        {"panel", panel},
        {"kinds", kinds},
        {"texts", texts.Table()},
        {"words", texts.WordTable()},
        {"ui", PageWords(texts)},
        {"first", QString::fromLatin1(recorder.First().toBase64())}};
    if (scorm)
        data.insert("scorm", QJsonObject{{"pass", options.passMark}});
    if (exercise)
        data.insert("exercise", ExerciseData(*exercise, texts));
    // zlib's format after qCompress's four bytes of length, which the
    // browser's DecompressionStream("deflate") reads.
    const QByteArray rest = recorder.Rest();
    return {QJsonDocument(data).toJson(QJsonDocument::Compact), rest.isEmpty() ? rest : qCompress(rest).mid(4).toBase64()};
}

// The page: the template with its styles, its script (allowed by its hash
// and nothing else) and the data in place.
QByteArray Page(const PageData &data)
{
    const QByteArray script = Resource(QStringLiteral("player.js"));
    const QByteArray hash = QCryptographicHash::hash(script, QCryptographicHash::Sha256).toBase64();
    QByteArray page = Resource(QStringLiteral("page.html"));
    QByteArray safeData = data.first;
    safeData.replace("</", "<\\/"); // JSON's escape keeps the data inside its element
    page.replace("@SCRIPT_HASH@", hash);
    page.replace("@STYLE@", Resource(QStringLiteral("player.css")));
    const qsizetype at = page.indexOf("@DATA@");
    page.replace(at, 6, safeData);
    const qsizetype scriptAt = page.indexOf("@SCRIPT@");
    page.replace(scriptAt, 8, script);
    page.replace(page.indexOf("@REST@"), 6, data.rest);
    return page;
}

QString Suffix(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

// A SCORM 1.2 package: its manifest, naming the page as its one SCO.
QByteArray Package(const QByteArray &page, const char *algorithm, int passMark)
{
    QByteArray manifest = Resource(QStringLiteral("imsmanifest.xml"));
    manifest.replace("@TITLE@", QByteArray("Zarni: ") + algorithm);
    manifest.replace("@PASS@", QByteArray::number(passMark));
    QByteArray zip;
    QBuffer buffer(&zip);
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
    writer.addFile(QStringLiteral("imsmanifest.xml"), manifest);
    writer.addFile(QStringLiteral("index.html"), page);
    writer.close();
    return writer.status() == QZipWriter::NoError ? zip : QByteArray();
}

} // namespace

bool IsWebPageType(const QString &path)
{
    return Suffix(path) == QLatin1String("html") || Suffix(path) == QLatin1String("zip");
}

namespace {

RunExportResult WritePage(CZarniView *view, const QString &path, const RunExportOptions &options,
                          const ExerciseState *exercise)
{
    if (view->Model().Count() > kMaxPageNodes)
        return {RunExportFailure::PageTooManyNodes, QString::number(view->Model().Count())};
    if (options.to - options.from > kMaxPageSteps)
        return {RunExportFailure::PageTooManySteps, {}};
    const bool scorm = Suffix(path) == QLatin1String("zip");
    const QByteArray page = Page(RunData(view, options, scorm, exercise));
    const QByteArray bytes = scorm ? Package(page, view->Run()->Name(), options.passMark) : page;
    RunExportResult result;
    if (bytes.isEmpty())
        return {RunExportFailure::Write, QStringLiteral("zip")};
    if (!WriteWholeFile(path, bytes, &result.reason))
        result.failure = RunExportFailure::Write;
    return result;
}

} // namespace

RunExportResult ExportWebPage(CZarniView *view, const QString &path, const RunExportOptions &options)
{
    return WritePage(view, path, options, nullptr);
}

// The whole exercise, from its start to its last step.
RunExportResult ExportExercisePage(CZarniView *view, const QString &path, RunExportOptions options)
{
    ExerciseState &exercise = view->Model().Find<ExerciseState>();
    RunExportResult result;
    exercise.ShowAnswerQuietly([&] {
        options.from = 0;
        options.to = exercise.Current()->LastStep();
        result = WritePage(view, path, options, &exercise);
    });
    return result;
}
