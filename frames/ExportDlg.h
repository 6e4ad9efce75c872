#pragma once
// Asks where to export the canvas and at what scale: the toolkit's own file
// dialog with a scale field under its own fields.

#include <QFileDialog>

class QSpinBox;

class CExportDlg : public QFileDialog {
    Q_OBJECT

public:
    CExportDlg(QWidget *parent, int maxScale);
    // The chosen file, with the chosen type's extension when none was typed.
    QString Path() const;
    int Scale() const;

private:
    QSpinBox *m_scale;
};
