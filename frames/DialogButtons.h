#pragma once
// The OK and Cancel buttons of our dialogs, in the program's words, wired to
// accept and reject.

#include <QDialog>
#include <QDialogButtonBox>

QDialogButtonBox *OkCancelButtons(QDialog *dialog);

// The line in red where a dialog names what is wrong with its input.
class QLabel;
QLabel *ProblemLabel(QDialog *dialog, const QString &name, bool wrap = true);
