// Tests of windows run headless against the real widgets, with the scripted host.
#include <QApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/ui/ScriptedHost.h"

namespace {
// The offscreen platform reports what it cannot do (raise a window, ...); that is noise here.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (msg.startsWith("This plugin does not support")) return;
    if (type == QtDebugMsg) return;
    fprintf(stderr, "%s\n", qPrintable(msg));
}
}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietMessages);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    pf::setHost(std::make_unique<pf::ScriptedHost>());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
