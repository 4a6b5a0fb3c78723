// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

namespace common {

// The 16 colours of the classic PC text palette, by number (0 black ... 15 white).
QColor PaletteColor(int index);

} // namespace common
