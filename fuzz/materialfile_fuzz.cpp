// SPDX-License-Identifier: MIT
// Whatever a data file holds, the reader either reports what is wrong or returns a
// table that keeps the promises the programs rely on; it never crashes.
#include "common/core/materialfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (auto blocks : {common::MaterialBlocks::Attenuation, common::MaterialBlocks::All}) {
        common::MaterialTable t;
        const QString report =
            common::readMaterialText(text, QStringLiteral("ICRU4.dat"), blocks, t);
        if (!report.isEmpty()) {
            if (t.RowCount != 0)
                std::abort(); // a refused file leaves no partial table
            continue;
        }
        if (t.RowCount < 0 || t.RowCount > 37)
            std::abort();
        if (blocks == common::MaterialBlocks::Attenuation) {
            for (int i = 2; i <= t.RowCount; ++i)
                if (!(t.AttenuationTable[i][4] > t.AttenuationTable[i - 1][4]))
                    std::abort();
        } else {
            for (int i = 2; i <= 45; ++i)
                if (!(t.MomentumTransfer[i] > t.MomentumTransfer[i - 1]) ||
                    t.CumulativeWeight[i] < t.CumulativeWeight[i - 1])
                    std::abort();
        }
    }
    return 0;
}
