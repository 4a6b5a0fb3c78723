// SPDX-License-Identifier: MIT
// Stelmo's title window (Form2): what a free path length is and how it is sampled.
#pragma once

#include "common/gui/form.h"
#include "stelmo/form1.h"

#include <memory>

class QPushButton;

namespace stelmo {

class Form3;

class Form2 : public common::Form {
    Q_OBJECT
public:
    explicit Form2(common::MaterialLoader loader = dataFileLoader());
    ~Form2() override;

    QPushButton *Command1 = nullptr; // "Next"

    Form3 *form3() const { return form3_.get(); }
    common::Controls &controls() { return controls_; }

private:
    void Command1_Click();
    common::MaterialLoader loader_;
    std::unique_ptr<Form3> form3_;
};

} // namespace stelmo
