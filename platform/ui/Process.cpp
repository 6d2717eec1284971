#include "platform/ui/Process.h"

#include <QCoreApplication>
#include <QDir>

#include "platform/ui/QtBridge.h"

namespace pf {

std::string programFolder() {
    QString dir = QCoreApplication::applicationDirPath();
    if (dir.isEmpty()) dir = QDir::currentPath();
    return ss(dir);
}

std::string homeFolder() { return ss(QDir::homePath()); }

}  // namespace pf
