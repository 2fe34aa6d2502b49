#include "frmmain.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvin Express"));
    const QStringList arguments = QApplication::arguments();
    TfrmMain window(arguments.size() > 1 ? arguments.at(1) : QString());
    window.show();
    return app.exec();
}
