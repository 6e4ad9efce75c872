#include "WebExport.h"

#include "Zarni.h"
#include "framework/FileWrite.h"
#include "model/algorithms/Algorithm.h"
#include "view/Words.h"
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
#include <map>
#include <set>

namespace {

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
    void Signed(int64_t n) { Put((uint64_t(n) << 1) ^ uint64_t(n >> 63)); }
    const QByteArray &Bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// The texts the page says, each once, in both languages; words said as
// they are, each once.
class Texts {
public:
    // Without the English translation the page says the source texts.
    Texts() { static_cast<void>(m_english.load(QStringLiteral("zarni_en"), QStringLiteral(":/i18n"))); }

    // A message: its parts (itself, then what follows it), each a text's
    // number (0 for none) and its arguments.
    void Write(Stream &out, const Message &message)
    {
        out.Put(1 + message.Then().size());
        WritePart(out, message.Head());
        for (const Message &next : message.Then())
            Write(out, next);
    }
    QJsonArray Table() const { return m_table; }
    QJsonArray WordTable() const { return m_wordTable; }
    QJsonArray Both(const Message &message) const
    {
        return {Words(message, &m_source), Words(message, &m_english)};
    }

private:
    void WritePart(Stream &out, const Message &part)
    {
        out.Put(TextNumber(part));
        out.Put(part.Args().size());
        for (const Message::Arg &arg : part.Args()) {
            out.Put(uint64_t(arg.kind));
            switch (arg.kind) {
            case Message::ArgKind::Number:
            case Message::ArgKind::Value: out.Signed(arg.number); break;
            case Message::ArgKind::Nested: Write(out, part.Nested(std::size_t(arg.number))); break;
            case Message::ArgKind::Word: out.Put(WordNumber(part.Word(std::size_t(arg.number)))); break;
            case Message::ArgKind::Real:
                out.Put(WordNumber(QString::number(part.Real(std::size_t(arg.number)), 'f', arg.decimals).toStdString()));
                break;
            }
        }
    }
    uint64_t TextNumber(const Message &part)
    {
        if (!part.Text())
            return 0;
        const auto key = std::make_pair(std::string(part.Context()), std::string(part.Text()));
        auto found = m_numbers.find(key);
        if (found == m_numbers.end()) {
            const QString english = m_english.translate(part.Context(), part.Text());
            m_table.append(QJsonArray{QString::fromUtf8(part.Text()), english.isEmpty() ? QString::fromUtf8(part.Text()) : english});
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

    QTranslator m_source; // holds nothing: the source texts
    QTranslator m_english;
    std::map<std::pair<std::string, std::string>, qsizetype> m_numbers;
    std::map<std::string, qsizetype> m_words;
    QJsonArray m_table;
    QJsonArray m_wordTable;
};

struct Look {
    int value;
    int mark;
    bool operator!=(const Look &other) const { return value != other.value || mark != other.mark; }
};

// Records each step of the view's run from `from` to `to` as the page
// replays it.
class Recorder {
public:
    Recorder(CZarniView *view, Texts *texts) : m_view(view), m_model(view->Model()), m_texts(texts) {}

    void Start(int64_t from)
    {
        m_view->SeekRun(from);
        m_nMaxCount = m_model.Count();
        m_out.Put(uint64_t(m_model.Count()));
        m_looks.resize(std::size_t(m_model.Count()) + 1);
        for (int64_t i = 0; i <= m_model.Count(); ++i) {
            m_out.Signed(m_model.Value(i));
            m_out.Put(uint64_t(m_model.Mark(i)));
            m_looks[std::size_t(i)] = {m_model.Value(i), m_model.Mark(i)};
        }
        std::vector<int64_t> lagging;
        for (int64_t i = 1; i <= m_model.Count(); ++i)
            lagging.push_back(i);
        WriteLooks(lagging);
        WriteStep();
    }

    void Next(int64_t k)
    {
        const RunAlgorithm *run = m_view->Run();
        const PracticeQuestion question = run->Question(k, m_model);
        m_view->SeekRun(k);
        m_nMaxCount = std::max(m_nMaxCount, m_model.Count());
        const auto changes = run->Steps().ChangesOf(k);
        m_out.Put(uint64_t(changes.last - changes.first));
        std::vector<int64_t> touched(m_lagging.begin(), m_lagging.end());
        for (const NodeChange &change : changes) {
            m_out.Put(change.nodeAndField);
            m_out.Signed(change.from);
            m_out.Signed(change.to);
            if (change.WhichField() == NodeChange::kSwap)
                touched.push_back(change.from);
            if (change.WhichField() == NodeChange::kCount)
                m_looks.resize(std::size_t(std::max<int64_t>(int64_t(m_looks.size()) - 1, m_model.Count())) + 1);
            else
                touched.push_back(change.Node());
        }
        if (const int64_t focus = run->Steps().Step(k).focus)
            touched.push_back(focus);
        WriteLooks(touched);
        WriteStep();
        WriteQuestion(question);
    }

    int64_t MaxCount() const { return m_nMaxCount; }
    const QByteArray &Bytes() const { return m_out.Bytes(); }

private:
    // The boxes whose picture differs from what the page shows: each with
    // its old and new look, so that the page goes either way.
    void WriteLooks(std::vector<int64_t> nodes)
    {
        std::sort(nodes.begin(), nodes.end());
        nodes.erase(std::unique(nodes.begin(), nodes.end()), nodes.end());
        std::vector<std::pair<int64_t, Look>> changed;
        m_lagging.clear();
        for (const int64_t i : nodes) {
            if (i < 1 || i > m_model.Count())
                continue;
            const CZarniView::NodeLook shown = m_view->ShownLook(i);
            const Look look{shown.value, shown.mark};
            if (look != Look{m_model.Value(i), m_model.Mark(i)})
                m_lagging.insert(i);
            if (look != m_looks[std::size_t(i)])
                changed.emplace_back(i, look);
        }
        m_out.Put(changed.size());
        for (const auto &[i, look] : changed) {
            const Look was = m_looks[std::size_t(i)];
            m_out.Put(uint64_t(i));
            m_out.Signed(was.value);
            m_out.Signed(look.value);
            m_out.Put(uint64_t(was.mark));
            m_out.Put(uint64_t(look.mark));
            m_looks[std::size_t(i)] = look;
        }
    }

    void WriteStep()
    {
        const Timeline &steps = m_view->Run()->Steps();
        m_out.Put(uint64_t(m_model.Line()));
        const std::vector<int64_t> pointed = m_view->PointedNodes();
        m_out.Put(pointed.size());
        for (const int64_t node : pointed)
            m_out.Put(uint64_t(node));
        m_out.Signed(steps.Comparisons() - m_nComparisons);
        m_out.Signed(steps.Moves() - m_nMoves);
        m_nComparisons = steps.Comparisons();
        m_nMoves = steps.Moves();
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
        m_texts->Write(m_out, question.kind->ask(question));
        m_texts->Write(m_out, question.kind->reveal(question));
    }

public:
    uint64_t KindNumber(const QuestionKind *kind)
    {
        const auto found = std::find(m_kinds.begin(), m_kinds.end(), kind);
        if (found != m_kinds.end())
            return uint64_t(found - m_kinds.begin()) + 1;
        m_kinds.push_back(kind);
        return m_kinds.size();
    }
    const std::vector<const QuestionKind *> &Kinds() const { return m_kinds; }

private:
    CZarniView *m_view;
    TreeModel &m_model;
    Texts *m_texts;
    Stream m_out;
    std::vector<Look> m_looks;
    std::set<int64_t> m_lagging;
    std::vector<const QuestionKind *> m_kinds;
    int64_t m_nComparisons = 0;
    int64_t m_nMoves = 0;
    int64_t m_nMaxCount = 0;
};

QByteArray Resource(const QString &name)
{
    QFile file(QStringLiteral(":/web/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The run's data as the page reads it.
QByteArray RunData(CZarniView *view, const RunExportOptions &options, bool scorm)
{
    Texts texts;
    Recorder recorder(view, &texts);
    recorder.Start(options.from);
    for (int64_t k = options.from + 1; k <= options.to; ++k)
        recorder.Next(k);
    const RunAlgorithm *run = view->Run();
    QJsonArray listing;
    for (const ListingLine &line : run->Lines())
        listing.append(QJsonArray{line.indent, texts.Both(line.text)});
    QJsonArray kinds;
    for (const QuestionKind *kind : recorder.Kinds())
        kinds.append(QJsonObject{{"name", kind->name},
                                 {"nodes", kind->choicesAreNodes},
                                 {"none", kind->noneChoice},
                                 {"missed", texts.Both(kind->missed)}});
    const CZarniApp *app = CZarniApp::Get();
    QJsonObject data{
        {"algorithm", run->Name()},
        {"language", app ? app->Language() : QStringLiteral("zh_TW")},
        {"scale", options.scale},
        {"from", qint64(options.from)},
        {"to", qint64(options.to)},
        {"steps", qint64(view->RunStepCount())},
        {"canvas", QJsonArray{view->GetTotalSize().cx, view->GetTotalSize().cy, view->m_nXDivisor, view->m_nYDivisor}},
        {"nodeZero", view->Model().NodeZeroShown()},
        {"maxCount", qint64(recorder.MaxCount())},
        {"listing", listing},
        {"kinds", kinds},
        {"texts", texts.Table()},
        {"words", texts.WordTable()},
        {"stream", QString::fromLatin1(recorder.Bytes().toBase64())}};
    if (scorm)
        data.insert("scorm", QJsonObject{{"pass", options.passMark}});
    return QJsonDocument(data).toJson(QJsonDocument::Compact);
}

// The page: the template with its styles, its script (allowed by its hash
// and nothing else) and the data in place.
QByteArray Page(const QByteArray &data)
{
    const QByteArray script = Resource(QStringLiteral("player.js"));
    const QByteArray hash = QCryptographicHash::hash(script, QCryptographicHash::Sha256).toBase64();
    QByteArray page = Resource(QStringLiteral("page.html"));
    QByteArray safeData = data;
    safeData.replace("</", "<\\/"); // JSON's escape keeps the data inside its element
    page.replace("@SCRIPT_HASH@", hash);
    page.replace("@STYLE@", Resource(QStringLiteral("player.css")));
    const qsizetype at = page.indexOf("@DATA@");
    page.replace(at, 6, safeData);
    const qsizetype scriptAt = page.indexOf("@SCRIPT@");
    page.replace(scriptAt, 8, script);
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

RunExportResult ExportWebPage(CZarniView *view, const QString &path, const RunExportOptions &options)
{
    if (view->Model().Count() > kMaxPageNodes || options.to - options.from > kMaxPageSteps)
        return {RunExportFailure::PageTooLarge, {}};
    const int64_t shown = view->RunStep();
    const bool scorm = Suffix(path) == QLatin1String("zip");
    const QByteArray page = Page(RunData(view, options, scorm));
    view->SeekRun(shown);
    const QByteArray bytes = scorm ? Package(page, view->Run()->Name(), options.passMark) : page;
    RunExportResult result;
    if (bytes.isEmpty())
        return {RunExportFailure::Write, QStringLiteral("zip")};
    if (!WriteWholeFile(path, bytes, &result.reason))
        result.failure = RunExportFailure::Write;
    return result;
}
