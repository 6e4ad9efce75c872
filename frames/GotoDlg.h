#pragma once
// Asks for a heap index and brings that node to the middle of the view,
// selected alone. A bad index is named in the dialog, which stays open.

#include <QCoreApplication>
#include <QDialog>

class CZarniView;
class QLabel;
class QLineEdit;

class CGotoDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CGotoDlg)

public:
    CGotoDlg(CZarniView *view, QWidget *parent);
    void accept() override;
    // The index the text names, or 0 with what is wrong, in the user's words.
    static qint64 ParseIndex(const QString &text, qint64 count, QString *problem);

private:
    CZarniView *m_pView;
    QLineEdit *m_index;
    QLabel *m_problem;
};
