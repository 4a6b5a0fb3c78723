// SPDX-License-Identifier: MIT
// Rhunel's information window (Form3): a picture of the main window and how to operate it.
#pragma once

#include "common/gui/form.h"
#include "rhunel/module2.h"

#include <memory>

class QPushButton;

namespace rhunel {

class Form1;

class Form3 : public common::Form {
    Q_OBJECT
public:
    explicit Form3(common::MaterialLoader loader = dataFileLoader());
    ~Form3() override;

    common::PictureBox *Picture1 = nullptr; // the main window after two batches
    QPushButton *Command1 = nullptr;        // "OK"

    Form1 *form1() const { return form1_.get(); }
    common::Controls &controls() { return controls_; }

protected:
    bool Load() override;
    void retranslate() override;

private:
    void Command1_Click();
    common::MaterialLoader loader_;
    std::unique_ptr<Form1> form1_;
};

} // namespace rhunel
