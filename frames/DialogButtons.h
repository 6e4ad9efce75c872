#pragma once
// The OK and Cancel buttons of our dialogs, in the program's words, wired to
// accept and reject.

#include <QDialog>
#include <QDialogButtonBox>

QDialogButtonBox *OkCancelButtons(QDialog *dialog);
