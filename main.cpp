// Starts Qt and the splash window, nothing more.
#include <QApplication>
#include <QGuiApplication>

#include <clocale>
#include <cstdio>

#include "platform/ui/Form.h"
#include "platform/ui/Host.h"
#include "platform/ui/QtHost.h"
#include "shell/frmStartup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Numbers are read and written the C way, whatever the desktop's language.
    std::setlocale(LC_NUMERIC, "C");
    pf::setHost(pf::makeQtHost());
    qv::startProgram();
    int rc = QApplication::exec();
    // The windows go while Qt is still there to take them down.
    pf::discardAll();
    return rc;
}
