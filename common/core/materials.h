// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <span>

namespace common {

// A material the photon programs can be run in: its table in the data folder, the
// name the track plot draws, and its names for the menu and the saved results.
struct Material {
    const char *fileName;  // in the data folder, beside the default
    const char *plotLabel; // drawn in the track plot: short, ASCII
    const char *menuText;  // the menu entry, with its mnemonic
    const char *name;      // for the CSV comments: plain English
};

// What results were computed in, for their saved comments.
struct MaterialName {
    QString name;     // plain English
    QString fileName; // its table
};
MaterialName materialName(const Material &material);

// Every material, the default (ICRU four-component soft tissue, read at start-up)
// first.
std::span<const Material> materials();
const Material &defaultMaterial();

// The menu entry's text without its mnemonic, as the statistics window names it.
QString displayName(const Material &material);
// The menu entry's text, mnemonic included.
QString menuText(const Material &material);

} // namespace common
