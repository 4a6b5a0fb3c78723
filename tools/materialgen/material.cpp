// SPDX-License-Identifier: MIT
#include "tools/materialgen/material.h"

#include <xraylib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>

namespace materialgen {

namespace {

constexpr double pi = 3.14159265358979323846;

// A library error means the generator was asked for something outside its tables:
// a bug here, not a condition to recover from.
double checked(double value, xrl_error *error, const char *what)
{
    if (error != nullptr) {
        std::fprintf(stderr, "materialgen: %s: %s\n", what, error->message);
        xrl_error_free(error);
        std::exit(2);
    }
    return value;
}

double photo(int z, double keV)
{
    xrl_error *error = nullptr;
    return checked(CS_Photo(z, keV, &error), error, "CS_Photo");
}
double rayleigh(int z, double keV)
{
    xrl_error *error = nullptr;
    return checked(CS_Rayl(z, keV, &error), error, "CS_Rayl");
}
double compton(int z, double keV)
{
    xrl_error *error = nullptr;
    return checked(CS_Compt(z, keV, &error), error, "CS_Compt");
}
double kleinNishina(double keV)
{
    xrl_error *error = nullptr;
    return checked(CS_KN(keV, &error), error, "CS_KN");
}
double atomicFormFactor(int z, double x)
{
    xrl_error *error = nullptr;
    return checked(FF_Rayl(z, x, &error), error, "FF_Rayl");
}
double atomicWeight(int z)
{
    xrl_error *error = nullptr;
    return checked(AtomicWeight(z, &error), error, "AtomicWeight");
}

// Coherent cross section in cm^2/g from the library's differential cross section,
// integrated over x^2 (the form factor lives on x, and at high energy all the weight sits
// at small angles): dOmega = 2 pi sin(theta) dtheta = 4 pi d(x^2) / k^2, k = E/hc.
double coherentIntegral(int z, double keV)
{
    const double hc = 12.398419843320026; // keV angstrom, the library's own constant
    const double k = keV / hc;
    // Steps even in ln x from k * 1e-6 (below it F is constant and the weight ~x^2
    // vanishes) up to k, then the bit below added as F(0)^2 times its x^2 span.
    constexpr int steps = 4000;
    const double lo = std::log(k * 1e-6);
    const double hi = std::log(k);
    auto integrand = [&](double u) { // dsigma/dOmega * 4 pi / k^2 * d(x^2)/du
        const double x = std::exp(u);
        const double theta = 2 * std::asin(std::min(1.0, x / k));
        xrl_error *error = nullptr;
        const double dcs = checked(DCS_Rayl(z, keV, theta, &error), error, "DCS_Rayl");
        return dcs * 4 * pi / (k * k) * 2 * x * x;
    };
    // Simpson's rule.
    const double h = (hi - lo) / steps;
    double sum = integrand(lo) + integrand(hi);
    for (int s = 1; s < steps; ++s)
        sum += integrand(lo + s * h) * (s % 2 == 1 ? 4 : 2);
    const double xLow = std::exp(lo);
    xrl_error *error = nullptr;
    const double dcs0 = checked(DCS_Rayl(z, keV, 0.0, &error), error, "DCS_Rayl");
    return sum * h / 3 + dcs0 * 4 * pi / (k * k) * xLow * xLow;
}

// The same at libraryTopKeV, which every extended value divides by: worked out once per
// element.
double coherentIntegralAtTop(int z)
{
    static std::map<int, double> known;
    auto it = known.find(z);
    if (it == known.end())
        it = known.emplace(z, coherentIntegral(z, libraryTopKeV)).first;
    return it->second;
}

double elementCrossSection(Process process, int z, double keV)
{
    const double top = libraryTopKeV;
    switch (process) {
    case Process::Photoelectric:
        if (keV <= top)
            return photo(z, keV);
        {
            const double below = top - 100;
            const double exponent =
                std::log(photo(z, top) / photo(z, below)) / std::log(top / below);
            return photo(z, top) * std::pow(keV / top, exponent);
        }
    case Process::Coherent:
        if (keV <= top)
            return rayleigh(z, keV);
        return rayleigh(z, top) * coherentIntegral(z, keV) / coherentIntegralAtTop(z);
    case Process::Incoherent:
        if (keV <= top)
            return compton(z, keV);
        return compton(z, top) * kleinNishina(keV) / kleinNishina(top);
    }
    return 0;
}

// The library's photoelectric tables put an element's jump a little away from its
// EdgeEnergy (Pb K: 88.0007 against 88.0045 keV, Mg K: 1.3030 against 1.305 keV), and a
// row meant to lie below the jump must lie below the tables' own. Searched within this
// share of the edge energy, which no two edges of one element come as close as.
constexpr double jumpWindow = 0.005;

// The energy at which CS_Photo of element z jumps near edgeKeV, as the pair (last energy
// below, first above) a few ulps apart; {0, 0} when it does not jump there.
std::pair<double, double> photoJump(int z, double edgeKeV)
{
    constexpr int scanSteps = 4000;
    const double start = edgeKeV * (1 - jumpWindow);
    const double step = 2 * jumpWindow * edgeKeV / scanSteps;
    double largest = 1, lo = 0;
    double previous = photo(z, start);
    for (int s = 1; s <= scanSteps; ++s) {
        const double value = photo(z, start + s * step);
        if (value / previous > largest) {
            largest = value / previous;
            lo = start + (s - 1) * step;
        }
        previous = value;
    }
    // A smooth stretch changes by a few parts in 10^5 per step; a jump by far more.
    if (largest < 1.001)
        return {0, 0};
    double hi = lo + step;
    const double below = photo(z, lo);
    while (std::nextafter(lo, hi) < hi) {
        const double mid = 0.5 * (lo + hi);
        if (mid <= lo || mid >= hi)
            break;
        (photo(z, mid) / below > std::sqrt(largest) ? hi : lo) = mid;
    }
    return {lo, hi};
}

Material fromNistCompound(const char *name)
{
    xrl_error *error = nullptr;
    compoundDataNIST *data = GetCompoundDataNISTByName(name, &error);
    checked(0, error, name);
    std::vector<Element> elements;
    for (int i = 0; i < data->nElements; ++i)
        elements.push_back({data->Elements[i], data->massFractions[i]});
    const double density = data->density;
    FreeCompoundDataNIST(data);
    return Material(std::move(elements), density);
}

Material fromElement(int z)
{
    xrl_error *error = nullptr;
    const double density = checked(ElementDensity(z, &error), error, "ElementDensity");
    return Material({{z, 1.0}}, density);
}

} // namespace

Material::Material(std::vector<Element> elements, double density)
    : elements_(std::move(elements)), density_(density)
{
    for (const Element &e : elements_)
        atomsPerGram_.push_back(e.massFraction / atomicWeight(e.z));
}

double Material::linearAttenuation(Process process, double keV) const
{
    double massAttenuation = 0;
    for (const Element &e : elements_)
        massAttenuation += e.massFraction * elementCrossSection(process, e.z, keV);
    return density_ * massAttenuation;
}

double Material::totalAttenuation(double keV) const
{
    return linearAttenuation(Process::Photoelectric, keV) +
           linearAttenuation(Process::Coherent, keV) + linearAttenuation(Process::Incoherent, keV);
}

double Material::libraryTotalAttenuation(double keV) const
{
    double massAttenuation = 0;
    for (const Element &e : elements_) {
        xrl_error *error = nullptr;
        massAttenuation += e.massFraction * checked(CS_Total(e.z, keV, &error), error, "CS_Total");
    }
    return density_ * massAttenuation;
}

double Material::referenceAttenuation(double keV) const
{
    return keV <= libraryTopKeV ? libraryTotalAttenuation(keV) : totalAttenuation(keV);
}

double Material::formFactor(double x) const
{
    double weighted = 0;
    double atoms = 0;
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        const double f = atomicFormFactor(elements_[i].z, x);
        weighted += atomsPerGram_[i] * f * f;
        atoms += atomsPerGram_[i];
    }
    return std::sqrt(weighted / atoms);
}

double Material::formFactorWeight(double a, double b) const
{
    // Simpson's rule in x with F^2 2x; the form factor is smooth, and 512 steps per
    // grid interval put the rounding well below the 7 digits written.
    constexpr int steps = 512;
    const double h = (b - a) / steps;
    auto integrand = [this](double x) {
        const double f = formFactor(x);
        return f * f * 2 * x;
    };
    double sum = integrand(a) + integrand(b);
    for (int s = 1; s < steps; ++s)
        sum += integrand(a + s * h) * (s % 2 == 1 ? 4 : 2);
    return sum * h / 3;
}

std::vector<Edge> Material::edges(double lowKeV, double highKeV) const
{
    static constexpr const char *shellNames[] = {"K",  "L1", "L2", "L3", "M1",
                                                 "M2", "M3", "M4", "M5"};
    std::vector<Edge> found;
    for (const Element &e : elements_) {
        for (int shell = K_SHELL; shell <= M5_SHELL; ++shell) {
            // Light elements have no outer shells: the library says so by an error.
            xrl_error *error = nullptr;
            const double edgeKeV = EdgeEnergy(e.z, shell, &error);
            if (error != nullptr) {
                xrl_error_free(error);
                continue;
            }
            if (!(edgeKeV > lowKeV * (1 - jumpWindow) && edgeKeV < highKeV))
                continue;
            const auto [below, above] = photoJump(e.z, edgeKeV);
            if (!(below > lowKeV && above < highKeV))
                continue;
            found.push_back({e.z, shell, edgeKeV, above,
                             libraryTotalAttenuation(above) / libraryTotalAttenuation(below) - 1,
                             shellNames[shell]});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Edge &a, const Edge &b) { return a.jumpKeV < b.jumpKeV; });
    return found;
}

std::string elementSymbol(int z)
{
    xrl_error *error = nullptr;
    char *symbol = AtomicNumberToSymbol(z, &error);
    checked(0, error, "AtomicNumberToSymbol");
    std::string s = symbol;
    xrlFree(symbol);
    return s;
}

const std::vector<ShippedMaterial> &shippedMaterials()
{
    static const std::vector<ShippedMaterial> materials = [] {
        std::vector<ShippedMaterial> m;
        m.push_back({"ICRU4.dat", "ICRU four-component soft tissue (composition typed in)",
                     Material({tissueElements.begin(), tissueElements.end()}, tissueDensity)});
        const std::pair<const char *, const char *> compounds[] = {
            {"water.dat", "Water, Liquid"},
            {"cortical_bone.dat", "Bone, Cortical (ICRP)"},
            {"adipose.dat", "Adipose Tissue (ICRP)"},
            {"muscle.dat", "Muscle, Skeletal"},
            {"lung.dat", "Lung (ICRP)"},
            {"pmma.dat", "Polymethyl Methacralate (Lucite, Perspex)"}};
        for (const auto &[file, name] : compounds)
            m.push_back(
                {file, std::string("NIST compound \"") + name + '"', fromNistCompound(name)});
        const std::pair<const char *, int> elements[] = {
            {"aluminium.dat", 13}, {"copper.dat", 29}, {"lead.dat", 82}};
        for (const auto &[file, z] : elements)
            m.push_back({file, "element Z = " + std::to_string(z), fromElement(z)});
        return m;
    }();
    return materials;
}

const ShippedMaterial *findShipped(const std::string &fileName)
{
    for (const ShippedMaterial &m : shippedMaterials())
        if (m.fileName == fileName)
            return &m;
    return nullptr;
}

} // namespace materialgen
