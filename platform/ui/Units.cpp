#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

#include "platform/ui/Form.h"
#include "platform/ui/QtBridge.h"

namespace pf {

namespace {
double logicalDpi() {
    if (auto* screen = QGuiApplication::primaryScreen()) {
        double dpi = screen->logicalDotsPerInch();
        if (dpi > 0) return dpi;
    }
    return 96.0;
}
}  // namespace

int twipsToPixels(int twips) {
    double px = twips * logicalDpi() / 1440.0;
    return static_cast<int>(px >= 0 ? px + 0.5 : px - 0.5);
}

int pixelsToTwips(int px) {
    double tw = px * 1440.0 / logicalDpi();
    return static_cast<int>(tw >= 0 ? tw + 0.5 : tw - 0.5);
}

QColor toQColor(long bgr) {
    unsigned long v = static_cast<unsigned long>(bgr) & 0x00FFFFFFUL;
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

QFont toQFont(const std::string& name, double size, bool bold) {
    // Fixed-pitch faces keep solution and report columns aligned; the geometric
    // sans stands in for the design's heading face.
    QString family;
    QFont::StyleHint hint = QFont::AnyStyle;
    if (name == "Courier New") {
        family = "Liberation Mono";
        hint = QFont::TypeWriter;
    } else if (name == "Courier") {
        family = "Nimbus Mono PS";
        hint = QFont::TypeWriter;
    } else if (name == "Century Gothic") {
        family = "URW Gothic";
        hint = QFont::SansSerif;
    } else if (name == "MS Sans Serif" || name.empty()) {
        family = "Liberation Sans";
        hint = QFont::SansSerif;
    } else {
        family = qs(name);
    }
    QFont f(family);
    f.setStyleHint(hint);
    if (hint == QFont::TypeWriter) f.setFixedPitch(true);
    f.setPointSizeF(size > 0 ? size : 8.25);
    f.setBold(bold);
    return f;
}

}  // namespace pf
