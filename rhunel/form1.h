// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"
#include "module2.h"

#include <memory>

class QLineEdit;
class QPushButton;

namespace rhunel {

// The main window: the track plot, the angular plot, the energy and the buttons.
class Form1 : public common::Form {
    Q_OBJECT
public:
    explicit Form1(common::MaterialLoader source = {});
    ~Form1() override;

    common::PictureBox *Picture1;
    common::PictureBox *Picture2;
    QLineEdit *Text1;      // photon energy, keV
    QLineEdit *Text2;      // photons scattered so far
    QPushButton *Command1; // "GO", then "Continue"
    QPushButton *Command2; // "EXIT"
    QPushButton *Command3; // "Clear"

    Module2 &module() { return *module_; }
    common::Controls &controls() { return controls_; }

protected:
    bool Load() override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    std::unique_ptr<Module2> module_;
};

} // namespace rhunel
