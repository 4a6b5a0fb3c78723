// SPDX-License-Identifier: MIT
// Rhunel's main window (Form1): the track plot, the angular plot, the energy and the
// buttons.
#pragma once

#include "common/gui/batchwindow.h"
#include "rhunel/module2.h"

#include <memory>

namespace rhunel {

class Form1 : public common::BatchWindow {
    Q_OBJECT
public:
    explicit Form1(common::MaterialLoader loader = dataFileLoader());
    ~Form1() override;

    Module2 &module() { return *module_; }

protected:
    bool takeEnergy() override;
    void updateStatistics() override;
    void describePlots() override;

private:
    std::unique_ptr<Module2> module_;
};

} // namespace rhunel
