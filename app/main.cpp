#include "Zarni.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    CZarniApp app;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!app.InitInstance(arguments))
        return 1;
    return QApplication::exec();
}
