// SPDX-License-Identifier: MIT
// Dartley's title window (Form2): how the dots estimate pi.
#pragma once

#include "common/gui/form.h"

#include <memory>

class QPushButton;

namespace dartley {

class Form1;

class Form2 : public common::Form {
    Q_OBJECT
public:
    Form2();
    ~Form2() override;

    common::PictureBox *Picture1 = nullptr;
    QPushButton *Command1 = nullptr; // "OK"

    Form1 *form1() const { return form1_.get(); }
    common::Controls &controls() { return controls_; }

protected:
    bool Load() override;

private:
    void Command1_Click();
    std::unique_ptr<Form1> form1_;
};

} // namespace dartley
