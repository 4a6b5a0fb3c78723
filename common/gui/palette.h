// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

namespace common {

// The 16 colours of the classic PC text palette, by number (0 black ... 15 white).
QColor PaletteColor(int index);

// The palette's numbers by name, as the drawing calls take them.
namespace palette {
inline constexpr int Black = 0;
inline constexpr int Blue = 1;
inline constexpr int Green = 2;
inline constexpr int Cyan = 3;
inline constexpr int Red = 4;
inline constexpr int Magenta = 5;
inline constexpr int Brown = 6; // drawn olive (0x808000)
inline constexpr int LightGray = 7;
inline constexpr int DarkGray = 8;
inline constexpr int LightBlue = 9;
inline constexpr int LightGreen = 10;
inline constexpr int LightCyan = 11;
inline constexpr int LightRed = 12;
inline constexpr int LightMagenta = 13;
inline constexpr int Yellow = 14;
inline constexpr int White = 15;
} // namespace palette

} // namespace common
