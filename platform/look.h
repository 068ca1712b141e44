#pragma once

#include <QColor>
#include <QString>

// The colours every window is drawn in: its grey, its captions and the values it shows. The
// login window's pictures are drawn in them too, by the build's own picture drawer.
namespace look {
inline constexpr QRgb background = 0x404040;
inline constexpr QRgb caption = 0x808080;
inline constexpr QRgb value = 0xC0C0C0;
// A colour as a style sheet writes it: "#404040".
inline QString css(QRgb colour) {
    return QColor(colour).name();
}
} // namespace look
