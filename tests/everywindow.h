// SPDX-License-Identifier: MIT
// The eight windows of the three programs, each made fresh, for checks that walk them
// all (the window tests' data tables stand in for the shipped file).
#pragma once

#include "common/gui/form.h"
#include "dartley/form1.h"
#include "dartley/form2.h"
#include "rhunel/form1.h"
#include "rhunel/form2.h"
#include "rhunel/form3.h"
#include "stelmo/form1.h"
#include "stelmo/form2.h"
#include "stelmo/form3.h"
#include "tests/rhunel/synthetictable.h"
#include "tests/stelmo/tissuetable.h"

#include <functional>
#include <memory>
#include <ostream>

namespace everywindow {

struct WindowCase {
    const char *name;
    std::function<std::unique_ptr<common::Form>()> make;
    friend std::ostream &operator<<(std::ostream &os, const WindowCase &c) { return os << c.name; }
};

inline const WindowCase windows[] = {
    {"DartleyTitle", [] { return std::make_unique<dartley::Form2>(); }},
    {"DartleyMain", [] { return std::make_unique<dartley::Form1>(); }},
    {"StelmoTitle", [] { return std::make_unique<stelmo::Form2>(stelmotest::loadTissueTable); }},
    {"StelmoInformation",
     [] { return std::make_unique<stelmo::Form3>(stelmotest::loadTissueTable); }},
    {"StelmoMain", [] { return std::make_unique<stelmo::Form1>(stelmotest::loadTissueTable); }},
    {"RhunelTitle", [] { return std::make_unique<rhunel::Form2>(synthetic::source); }},
    {"RhunelInformation", [] { return std::make_unique<rhunel::Form3>(synthetic::source); }},
    {"RhunelMain", [] { return std::make_unique<rhunel::Form1>(synthetic::source); }},
};

} // namespace everywindow
