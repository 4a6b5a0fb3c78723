// SPDX-License-Identifier: MIT
#pragma once

#include "common/core/csv.h"
#include "common/core/materialfile.h"
#include "common/core/materials.h"
#include "common/gui/pacer.h"

#include <cstdint>

namespace common {

// What the window asks of its program's module. Every routine that empties results
// also draws the plots empty, so that Reset has one shape.
class PhotonModule {
public:
    virtual ~PhotonModule() = default;
    // Seeds the generator and takes the table: start-up.
    virtual void Initialize(const MaterialTable &table) = 0;
    // Another material's table and name, the results cleared; the generator runs on.
    void useMaterial(const Material &material, const MaterialTable &table)
    {
        Material = &material;
        takeTable(table);
        clearResults();
    }
    // Reset/Clear: the results emptied and the plots drawn empty; the generator and the
    // table stay as they are.
    virtual void clearResults() = 0;
    virtual void DrawTrackFrame() = 0;
    // One batch at the energy set, for the pacer to run.
    virtual Batch RunBatch() = 0;
    // The plot of the results drawn again from them (the ±2σ band switched).
    virtual void redrawResults() = 0;
    virtual std::int64_t photonCount() const = 0;
    const common::Material &material() const { return *Material; }
    virtual CsvTable resultsCsv() const = 0;
    // The ±2σ band in the plot of the results; off as described.
    bool ShowBands = false;
    // The material in use: its name in the plot, the CSV and the statistics.
    const common::Material *Material = &defaultMaterial();

protected:
    // The blocks of a material file the module keeps: at start-up and for another
    // material.
    virtual void takeTable(const MaterialTable &table) = 0;
};

} // namespace common
