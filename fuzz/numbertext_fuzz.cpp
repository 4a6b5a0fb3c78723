// SPDX-License-Identifier: MIT
// Whatever a user types, the numeric reading returns a number (possibly infinite)
// and never crashes; formatting any such number stays within its pattern.
#include "common/core/numbertext.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const double value = common::leadingNumber(text);
    if (std::isnan(value))
        std::abort();
    if (std::isfinite(value)) {
        const QString scientific = common::formatScientific2(value);
        if (!scientific.contains(QLatin1Char('E')))
            std::abort();
        (void)common::formatFixed3(value);
        (void)common::formatFixed5(value);
    }
    return 0;
}
