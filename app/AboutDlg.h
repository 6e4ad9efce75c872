#pragma once
// The about box, laid out from its template in dialog units of its font.

#include <QCoreApplication>
#include <QDialog>

class CAboutDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CAboutDlg)

public:
    explicit CAboutDlg(QWidget *parent = nullptr);
    // Dialog units to pixels for this dialog's font.
    QRect MapDialogRect(int x, int y, int cx, int cy) const;
};
