#pragma once
// The dialog of a new exercise: which algorithm, its size (and a merge's
// pops), and either its own values or the seed of a random instance. What is
// wrong is named in the dialog, which stays open.

#include <QCoreApplication>
#include <QDialog>

class CZarniView;
struct DialogForm;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

class CExerciseDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CExerciseDlg)

public:
    CExerciseDlg(CZarniView *view, const DialogForm &form, QWidget *parent);
    void accept() override;

private:
    void ExerciseChosen(int index);

    CZarniView *m_pView;
    const DialogForm &m_form;
    QComboBox *m_name;
    QSpinBox *m_size, *m_pops, *m_seed;
    QLineEdit *m_values;
    QLabel *m_problem;
};
