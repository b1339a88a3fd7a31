// The one palette every skin picture is drawn from.
#pragma once

#include <QColor>

namespace skinpal {

// Brand blue: the tool bar's background colour; every accent derives from it.
inline QColor accent() { return QColor(18, 138, 250); }
inline QColor accentLight() { return QColor(66, 162, 252); }
inline QColor accentDark() { return QColor(12, 112, 216); }
inline QColor accentDeep() { return QColor(8, 86, 170); }
inline QColor accentTint() { return QColor(234, 243, 254); }
inline QColor accentTintLine() { return QColor(190, 220, 252); }

// Neutrals.
inline QColor white() { return QColor(255, 255, 255); }
inline QColor surface() { return QColor(248, 250, 252); }
inline QColor surfaceDim() { return QColor(238, 242, 246); }
inline QColor line() { return QColor(196, 204, 214); }
inline QColor lineSoft() { return QColor(222, 227, 233); }
inline QColor lineStrong() { return QColor(146, 157, 170); }
inline QColor ink() { return QColor(40, 48, 58); }
inline QColor inkSoft() { return QColor(98, 108, 120); }

// Disabled looks.
inline QColor disabledFill() { return QColor(236, 239, 242); }
inline QColor disabledLine() { return QColor(208, 213, 219); }
inline QColor disabledInk() { return QColor(168, 175, 184); }

// Warning red of the close buttons.
inline QColor danger() { return QColor(226, 68, 56); }
inline QColor dangerDark() { return QColor(182, 42, 34); }

// Recorder hardware.
inline QColor metalLight() { return QColor(100, 108, 119); }
inline QColor metal() { return QColor(66, 73, 82); }
inline QColor metalDark() { return QColor(36, 40, 46); }
inline QColor trayFace() { return QColor(54, 60, 68); }
inline QColor trayEdge() { return QColor(24, 27, 31); }
inline QColor silverLight() { return QColor(244, 246, 248); }
inline QColor silver() { return QColor(214, 219, 225); }
inline QColor silverEdge() { return QColor(160, 169, 180); }
inline QColor ledGreen() { return QColor(64, 214, 112); }
inline QColor ledAmber() { return QColor(255, 178, 36); }
inline QColor ledBlue() { return QColor(80, 176, 255); }

}  // namespace skinpal
