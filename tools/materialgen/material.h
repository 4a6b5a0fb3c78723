// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <vector>

// Materials from the X-ray interaction library (xraylib): what the data tool writes into
// the material files, and what the tests compare the shipped files with.
namespace materialgen {

struct Element {
    int z;
    double massFraction;
};

// ICRU four-component soft tissue as ICRU4.dat has always been written: the composition
// typed here, not read from the library's table, so the file stays as it is.
inline constexpr std::array<Element, 4> tissueElements{
    {{1, 0.101172}, {6, 0.111000}, {7, 0.026000}, {8, 0.761828}}};
inline constexpr double tissueDensity = 1.00; // g/cm^3

// The library's cross-section tables end here; above it each process is extended.
inline constexpr double libraryTopKeV = 800.0;

enum class Process { Photoelectric, Coherent, Incoherent };

// Where the library's photoelectric cross section of one element jumps at one shell.
struct Edge {
    int z = 0;
    int shell = 0;         // the library's K_SHELL, L1_SHELL, ...
    double edgeKeV = 0;    // the library's EdgeEnergy
    double jumpKeV = 0;    // where its CS_Photo jumps, found near edgeKeV
    double rise = 0;       // the material's total above the jump over the total below, less 1
    const char *name = ""; // "K", "L1", ...
};

class Material {
public:
    Material(std::vector<Element> elements, double density);

    const std::vector<Element> &elements() const { return elements_; }
    double density() const { return density_; }

    // Linear attenuation coefficient of one process in 1/cm: the library's cross
    // sections up to libraryTopKeV; above it photoelectric as the power law of the last
    // 100 keV, incoherent as Klein-Nishina, coherent as the integral of the differential
    // cross section (Thomson times the form factor squared), each scaled to meet the
    // library's value at libraryTopKeV.
    double linearAttenuation(Process process, double keV) const;

    // Sum of the three processes.
    double totalAttenuation(double keV) const;

    // The library's own total (coherent included), 1/cm; only up to libraryTopKeV.
    double libraryTotalAttenuation(double keV) const;

    // What the file's attenuation is judged by: the library's total up to its last
    // energy, the extension above.
    double referenceAttenuation(double keV) const;

    // Effective form factor at momentum transfer x = sin(theta/2)/lambda (1/angstrom):
    // F^2 = sum (w/A) F_Z^2 / sum (w/A), the per-atom mean of F^2.
    double formFactor(double x) const;

    // Integral of F^2 d(x^2) from a to b.
    double formFactorWeight(double a, double b) const;

    // The absorption edges of the elements from lowKeV to highKeV, rising in energy.
    std::vector<Edge> edges(double lowKeV, double highKeV) const;

private:
    std::vector<Element> elements_;
    std::vector<double> atomsPerGram_; // w / A of each element
    double density_;
};

// The element's chemical symbol, for the report.
std::string elementSymbol(int z);

// A file of data/ and where its material comes from.
struct ShippedMaterial {
    std::string fileName; // in data/, as the programs name it
    std::string source;   // the library's entry
    Material material;
};

// The shipped files in the order the data tool writes them, ICRU4.dat first. Looked up
// in the library on the first call.
const std::vector<ShippedMaterial> &shippedMaterials();

// One of them by file name; nullptr when there is none of that name.
const ShippedMaterial *findShipped(const std::string &fileName);

} // namespace materialgen
