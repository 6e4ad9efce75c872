#include "ExerciseDlg.h"

#include "DialogButtons.h"
#include "Problems.h"
#include "model/algorithms/Table.h"
#include "view/Words.h"
#include "view/ZarniView.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>

CExerciseDlg::CExerciseDlg(CZarniView *view, const DialogForm &form, QWidget *parent)
    : QDialog(parent), m_pView(view), m_form(form)
{
    setWindowTitle(Words(form.title));
    auto *fields = new QFormLayout;
    m_name = new QComboBox(this);
    m_name->setObjectName(QStringLiteral("exerciseName"));
    for (const ExerciseEntry &entry : AlgorithmExercises())
        m_name->addItem(Words(entry.title), QString::fromLatin1(entry.name));
    m_size = new QSpinBox(this);
    m_size->setObjectName(QString::fromStdString(form.spinName));
    m_pops = new QSpinBox(this);
    m_pops->setObjectName(QStringLiteral("exercisePops"));
    m_pops->setRange(1, 1000);
    m_pops->setValue(3);
    m_seed = new QSpinBox(this);
    m_seed->setObjectName(QStringLiteral("exerciseSeed"));
    m_seed->setRange(0, 999999);
    m_seed->setValue(int(QRandomGenerator::global()->bounded(1000000)));
    m_values = new QLineEdit(this);
    m_values->setObjectName(QString::fromStdString(form.fieldName));
    fields->addRow(tr("題目(&E)："), m_name);
    fields->addRow(tr("大小(&Z)："), m_size);
    fields->addRow(tr("合併輸出幾個值(&O)："), m_pops);
    fields->addRow(tr("隨機種子(&S)："), m_seed);
    fields->addRow(Words(form.prompt), m_values);
    m_problem = ProblemLabel(this, QString::fromStdString(form.problemName));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_problem);
    layout->addWidget(OkCancelButtons(this));
    connect(m_name, &QComboBox::currentIndexChanged, this, &CExerciseDlg::ExerciseChosen);
    ExerciseChosen(0);
}

// The size's range and start, and the pops for a merge only.
void CExerciseDlg::ExerciseChosen(int index)
{
    const ExerciseEntry &entry = AlgorithmExercises()[std::size_t(index)];
    m_size->setRange(entry.lowSize, entry.highSize);
    m_size->setValue(entry.startSize);
    m_pops->setEnabled(entry.pops);
    m_values->setPlaceholderText(QString::fromLatin1(entry.words));
}

void CExerciseDlg::accept()
{
    const std::vector<std::string> fields{m_name->currentData().toString().toStdString(),
                                          std::to_string(m_size->value()), std::to_string(m_pops->value()),
                                          std::to_string(m_seed->value()), m_values->text().toStdString()};
    const Outcome outcome = m_form.apply(m_pView->Model(), fields);
    if (outcome.Failed()) {
        m_problem->setText(CProblemText::Say(outcome.problem, CProblemText::Wording::Dialog));
        m_values->setFocus();
        return;
    }
    m_pView->Follow(outcome);
    QDialog::accept();
}
