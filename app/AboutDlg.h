#pragma once
// The about box, laid out from its template in dialog units of its font.

#include <QDialog>

class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
    // Dialog units to pixels for this dialog's font.
    QRect MapDialogRect(int x, int y, int cx, int cy) const;
};
