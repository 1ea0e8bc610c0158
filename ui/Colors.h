#pragma once
// The window's fixed colours and the two system colours it derives from the palette.

#include <QColor>
#include <QPalette>

namespace orvandel {

inline const QColor FormBackground{0xEF, 0xEB, 0xDE};        // window, cells, flat buttons
inline const QColor DateColumnBackground{0xE0, 0xD9, 0xBE};  // ColCities behind its cells
inline const QColor GridLineColor{0xB8, 0xB0, 0x94};         // the grids' 1-pixel lines
inline const QColor CurrentDayRed{0xFF, 0x00, 0x00};         // current day, hover, selection
inline const QColor VisitedLinkPurple{0x80, 0x00, 0x80};     // web link after a successful open

// The palette's window-text colour (active group: the grids are disabled but draw normal text).
inline QColor WindowTextColor(const QPalette& palette) {
    return palette.color(QPalette::Active, QPalette::WindowText);
}

// Grey text: the palette's placeholder-text colour made opaque over the form background, so
// that it reads the same on every cell and keeps a readable contrast.
inline QColor GrayTextColor(const QPalette& palette) {
    const QColor c = palette.color(QPalette::Active, QPalette::PlaceholderText);
    const double a = c.alphaF();
    auto mix = [a](int fg, int bg) { return static_cast<int>(fg * a + bg * (1.0 - a) + 0.5); };
    return QColor(mix(c.red(), FormBackground.red()), mix(c.green(), FormBackground.green()),
                  mix(c.blue(), FormBackground.blue()));
}

}  // namespace orvandel
