#pragma once
// The window's fixed colours, and its palette: every background it fixes comes with a fixed
// text colour, so that no contrast depends on the desktop's palette.

#include <QColor>
#include <QPalette>

namespace orvandel {

inline const QColor FormBackground{0xEF, 0xEB, 0xDE};        // window, cells, flat buttons
inline const QColor DateColumnBackground{0xE0, 0xD9, 0xBE};  // ColCities behind its cells
inline const QColor GridLineColor{0xB8, 0xB0, 0x94};         // the grids' 1-pixel lines
inline const QColor PanelBorderColor{0xA0, 0xA0, 0xA0};      // the timetable's left and top edge
inline const QColor CurrentDayRed{0xFF, 0x00, 0x00};         // current day, hover, selection
inline const QColor VisitedLinkPurple{0x80, 0x00, 0x80};     // web link after a successful open
inline const QColor FormText{0x00, 0x00, 0x00};              // text on the form's backgrounds
inline const QColor FormGrayText{0x80, 0x80, 0x80};          // footnote, Hijri dates, closed groups
inline const QColor FormHighlight{0x1C, 0x51, 0x80};         // open group, selected field text

// The window's palette in every colour group: the form's background for windows and buttons,
// white fields, black text, grey for disabled and secondary text. Built from the form colour
// alone, so a dark desktop palette leaves the window as it is.
inline QPalette FormPalette() {
    QPalette p(FormBackground);  // buttons and windows in the form colour, black text, white base
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::PlaceholderText, FormGrayText);
        p.setColor(group, QPalette::Highlight, FormHighlight);
        p.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::PlaceholderText}) {
        p.setColor(QPalette::Disabled, role, FormGrayText);
    }
    p.setColor(QPalette::Disabled, QPalette::Base, FormBackground);
    return p;
}

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
