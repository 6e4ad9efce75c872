#pragma once
// Asks where to export the canvas and at what scale: the toolkit's own file
// dialog with a scale field under its own fields. For a run, also the steps
// from and to, the time each is shown and whether captions go under them.

#include <QFileDialog>

class QCheckBox;
class QSpinBox;

class CExportDlg : public QFileDialog {
    Q_OBJECT

public:
    CExportDlg(QWidget *parent, int maxScale);
    // A run of `steps` steps, each shown msPerStep by default.
    CExportDlg(QWidget *parent, int maxScale, qint64 steps, int msPerStep);
    // The chosen file, with the chosen type's extension when none was typed.
    QString Path() const;
    int Scale() const;
    qint64 From() const;
    qint64 To() const;
    int MsPerStep() const;
    bool Captions() const;
    // The percentage a learner needs to pass, for a learning platform.
    int PassMark() const;

private:
    void AddField(const QString &label, QWidget *field);
    QSpinBox *NewSpinBox(const char *name, int low, int high, int value);

    QSpinBox *m_scale;
    QSpinBox *m_from = nullptr;
    QSpinBox *m_to = nullptr;
    QSpinBox *m_msPerStep = nullptr;
    QCheckBox *m_captions = nullptr;
    QSpinBox *m_passMark = nullptr;
};
