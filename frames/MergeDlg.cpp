#include "MergeDlg.h"

#include "Problems.h"

#include "DialogButtons.h"
#include "view/ZarniView.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// More values than this are not put into the text box: it would take long to
// lay out and nobody reads that much.
const qint64 kMaxShownValues = 20000;
// Random values are small, as a class can read them.
const int kRandomLimit = 100;

std::string RunsText(const WinnerMerge::Runs &runs)
{
    std::string text;
    for (const std::vector<int> &run : runs) {
        for (std::size_t i = 0; i < run.size(); ++i)
            text += (i ? " " : "") + std::to_string(run[i]);
        text += '\n';
    }
    return text;
}

qint64 ValueCount(const WinnerMerge::Runs &runs)
{
    qint64 count = 0;
    for (const auto &run : runs)
        count += qint64(run.size());
    return count;
}

} // namespace

CMergeDlg::CMergeDlg(CZarniView *view, QWidget *parent) : QDialog(parent), m_pView(view)
{
    setWindowTitle(tr("合併序列"));
    auto *prompt = new QLabel(tr("每行一個序列，值由大到小排列，以空白分隔；整數 -%1 到 %1，"
                                 "%2 到 %3 個序列，每個最多 %4 個值。以 # 開頭的行不算。")
                                  .arg(kMaxNodeValue)
                                  .arg(WinnerMerge::kMinRuns)
                                  .arg(WinnerMerge::kMaxRuns)
                                  .arg(WinnerMerge::kMaxRunLength),
                              this);
    prompt->setWordWrap(true);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("mergeRuns"));
    m_text->setMinimumSize(420, 160);
    m_text->setPlainText(QStringLiteral("9 7 4 1\n8 8 2\n6 5 3\n"));
    m_problem = ProblemLabel(this, QStringLiteral("mergeProblem"));

    auto *load = new QPushButton(tr("從檔案載入(&F)..."), this);
    connect(load, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("載入序列"), QString(),
                                                          tr("文字檔 (*.txt);;所有檔案 (*)"));
        if (!path.isEmpty())
            LoadFile(path);
    });
    m_runCount = new QSpinBox(this);
    m_runCount->setRange(WinnerMerge::kMinRuns, WinnerMerge::kMaxRuns);
    m_runCount->setValue(5);
    m_runLength = new QSpinBox(this);
    m_runLength->setRange(1, WinnerMerge::kMaxRunLength);
    m_runLength->setValue(6);
    auto *random = new QPushButton(tr("隨機填入(&R)"), this);
    connect(random, &QPushButton::clicked, this, [this] { FillRandom(m_runCount->value(), m_runLength->value()); });
    auto *tools = new QHBoxLayout;
    tools->addWidget(load);
    tools->addStretch(1);
    tools->addWidget(new QLabel(tr("序列數"), this));
    tools->addWidget(m_runCount);
    tools->addWidget(new QLabel(tr("每個的長度"), this));
    tools->addWidget(m_runLength);
    tools->addWidget(random);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_text, 1);
    layout->addLayout(tools);
    layout->addWidget(m_problem);
    layout->addWidget(OkCancelButtons(this));
}

void CMergeDlg::accept()
{
    WinnerMerge::Runs runs;
    if (!m_held.empty() && m_text->toPlainText() == m_heldComment) {
        runs = m_held;
    } else if (const WinnerMerge::Problem problem = WinnerMerge::Parse(m_text->toPlainText().toStdString(), &runs);
               problem.error != WinnerMerge::Error::None) {
        m_problem->setText(CProblemText::Merge(problem, true, CProblemText::Wording::Dialog));
        m_text->setFocus();
        return;
    }
    m_pView->StartMerge(std::move(runs));
    QDialog::accept();
}

void CMergeDlg::Hold(WinnerMerge::Runs runs, const QString &comment)
{
    m_problem->clear();
    if (ValueCount(runs) <= kMaxShownValues) {
        m_held.clear();
        m_text->setPlainText(QString::fromStdString(RunsText(runs)));
        return;
    }
    m_held = std::move(runs);
    m_heldComment = comment;
    m_text->setPlainText(comment);
}

void CMergeDlg::LoadFile(const QString &path)
{
    std::string text;
    QString problem;
    if (!ReadTextFile(path, &text, &problem)) {
        m_problem->setText(problem);
        return;
    }
    WinnerMerge::Runs runs;
    if (const WinnerMerge::Problem problem = WinnerMerge::Parse(text, &runs); problem.error != WinnerMerge::Error::None) {
        // A short file is shown as it is, so that the line can be mended here.
        if (qint64(text.size()) <= kMaxShownValues * 4)
            m_text->setPlainText(QString::fromStdString(text));
        m_problem->setText(tr("%1：%2").arg(QFileInfo(path).fileName(),
                                               CProblemText::Merge(problem, true, CProblemText::Wording::Dialog)));
        return;
    }
    const QString comment = tr("# 從 %1 載入的 %2 個序列，共 %3 個值（太多，不在這裡列出）")
                                .arg(QFileInfo(path).fileName())
                                .arg(runs.size())
                                .arg(ValueCount(runs));
    Hold(std::move(runs), comment);
}

void CMergeDlg::FillRandom(int runCount, int length)
{
    QRandomGenerator *random = QRandomGenerator::global();
    WinnerMerge::Runs runs(std::size_t(std::clamp(runCount, WinnerMerge::kMinRuns, WinnerMerge::kMaxRuns)));
    for (std::vector<int> &run : runs) {
        run.resize(std::size_t(std::clamp(length, 1, WinnerMerge::kMaxRunLength)));
        for (int &value : run)
            value = random->bounded(kRandomLimit);
        std::sort(run.rbegin(), run.rend());
    }
    Hold(std::move(runs), tr("# %1 個隨機序列，每個 %2 個值（太多，不在這裡列出）").arg(runCount).arg(length));
}

bool CMergeDlg::ReadTextFile(const QString &path, std::string *text, QString *problem)
{
    QFile file(path);
    QString error;
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly) || !ReadRunsText(&file, text, &error)) {
        *problem = tr("無法讀取 %1：%2").arg(path, error.isEmpty() ? file.errorString() : error);
        return false;
    }
    return true;
}

bool CMergeDlg::ReadRunsText(QIODevice *device, std::string *text, QString *error)
{
    text->clear();
    char chunk[1 << 16];
    for (;;) {
        const qint64 got = device->read(chunk, sizeof chunk);
        if (got < 0) {
            *error = device->errorString();
            return false;
        }
        if (got == 0) // files and pipes read blocking: the end
            return true;
        text->append(chunk, std::size_t(got));
        if (qint64(text->size()) > kMaxRunsBytes) {
            *error = tr("檔案超過 %1 MB，比任何合併用得到的都大").arg(kMaxRunsBytes >> 20);
            return false;
        }
    }
}
