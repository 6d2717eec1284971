#pragma once
// Conversions between the design's units and Qt's. Included only by platform code.
#include <QColor>
#include <QFont>
#include <QString>

#include <string>

namespace pf {

// 0x00BBGGRR; the palette bit 0x2000000 is ignored.
QColor toQColor(long bgr);
// Design face names mapped to the faces installed with the program's fonts.
QFont toQFont(const std::string& name, double size, bool bold);
inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

}  // namespace pf
