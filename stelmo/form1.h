// SPDX-License-Identifier: MIT
// Stelmo's main window (Form1): the track and transmittance plots, the energy, the results
// and the three buttons.
#pragma once

#include "common/gui/batchwindow.h"
#include "stelmo/module1.h"

#include <memory>

class QLineEdit;

namespace stelmo {

class Form1 : public common::BatchWindow {
    Q_OBJECT
public:
    explicit Form1(common::MaterialLoader loader = dataFileLoader());
    ~Form1() override;

    QLineEdit *Text3 = nullptr; // μ
    QLineEdit *Text4 = nullptr; // mean sampled path
    QLineEdit *Text5 = nullptr; // 1/μ

    Module1 &module() { return *module_; }

protected:
    bool takeEnergy() override;
    void updateStatistics() override;
    void describePlots() override;

private:
    std::unique_ptr<Module1> module_;
};

} // namespace stelmo
