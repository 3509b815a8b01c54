// ZRLConv: the window that converts ZRL 2 records into ZRL 1.

#include "errors.h"
#include "tfmain.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZRLConv"));
    try {
        TFMain FMain;
        FMain.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QString::fromUtf8(zrl::ReportText(error.what())));
        return 1;
    }
}
