// Tests of windows run headless against the real widgets, with the scripted host.
#include <QApplication>

#include <clocale>
#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/ui/ScriptedHost.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    pf::setHost(std::make_unique<pf::ScriptedHost>());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
