#include "DialogButtons.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

QDialogButtonBox *OkCancelButtons(QDialog *dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("CDialogButtons", "確定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("CDialogButtons", "取消"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLabel *ProblemLabel(QDialog *dialog, const QString &name, bool wrap)
{
    auto *label = new QLabel(dialog);
    label->setObjectName(name);
    label->setStyleSheet(QStringLiteral("color: #c00000"));
    label->setWordWrap(wrap);
    return label;
}
