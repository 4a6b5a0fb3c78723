// SPDX-License-Identifier: MIT
// Rhunel's title window (Form2): the differential cross-section and a picture of coherent
// and incoherent scattering at an atom.
#pragma once

#include "common/gui/form.h"
#include "rhunel/module2.h"

#include <memory>

class QPushButton;

namespace rhunel {

class Form3;

class Form2 : public common::Form {
    Q_OBJECT
public:
    explicit Form2(common::MaterialLoader loader = dataFileLoader());
    ~Form2() override;

    common::PictureBox *Picture1 = nullptr; // atom diagram
    common::PictureBox *Picture2 = nullptr; // the formula
    QPushButton *Command1 = nullptr;        // "Next"

    Form3 *form3() const { return form3_.get(); }
    common::Controls &controls() { return controls_; }

protected:
    bool Load() override;
    void retranslate() override;
    void drawPictures();

private:
    void Command1_Click();
    common::MaterialLoader loader_;
    std::unique_ptr<Form3> form3_;
};

} // namespace rhunel
