// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"
#include "module1.h"

#include <functional>
#include <memory>

class QLineEdit;
class QPushButton;

namespace stelmo {

// Fills the attenuation table; "" when it could, else the report to show.
// ICRU4.dat from the working directory, then from the installed data folder.
common::MaterialLoader dataFileLoader();

// The main window: the track and transmittance plots, the energy, the results and
// the three buttons.
class Form1 : public common::Form {
    Q_OBJECT
public:
    explicit Form1(common::MaterialLoader loader = dataFileLoader());
    ~Form1() override;

    common::PictureBox *Picture1; // tracks
    common::PictureBox *Picture2; // transmittance
    QPushButton *Command1;        // "GO", then "Continue"
    QPushButton *Command2;        // "EXIT"
    QPushButton *Command3;        // "Reset"
    QLineEdit *Text1;             // photon energy, keV
    QLineEdit *Text2;             // photons so far
    QLineEdit *Text3;             // μ
    QLineEdit *Text4;             // mean sampled path
    QLineEdit *Text5;             // 1/μ

    Module1 &module() { return *module_; }
    common::Controls &controls() { return controls_; }

protected:
    bool Load() override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    common::MaterialLoader loader_;
    std::unique_ptr<Module1> module_;
};

} // namespace stelmo
