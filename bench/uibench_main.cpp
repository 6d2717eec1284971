// The window benchmarks run the real widgets on Qt's offscreen platform, with the
// scripted host so that nothing waits for a user.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <clocale>
#include <cstdlib>

#include "platform/ui/ScriptedHost.h"

namespace {
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (msg.startsWith("This plugin does not support") || type == QtDebugMsg) return;
    fprintf(stderr, "%s\n", qPrintable(msg));
}
}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietMessages);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    pf::setHost(std::make_unique<pf::ScriptedHost>());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
