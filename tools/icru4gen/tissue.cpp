// SPDX-License-Identifier: MIT
#include "tools/icru4gen/tissue.h"

#include <xraylib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace icru4 {

namespace {

constexpr double pi = 3.14159265358979323846;

// A library error means the generator was asked for something outside its tables:
// a bug here, not a condition to recover from.
double checked(double value, xrl_error *error, const char *what)
{
    if (error != nullptr) {
        std::fprintf(stderr, "icru4gen: %s: %s\n", what, error->message);
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
        return rayleigh(z, top) * coherentIntegral(z, keV) / coherentIntegral(z, top);
    case Process::Incoherent:
        if (keV <= top)
            return compton(z, keV);
        return compton(z, top) * kleinNishina(keV) / kleinNishina(top);
    }
    return 0;
}

} // namespace

double linearAttenuation(Process process, double keV)
{
    double massAttenuation = 0;
    for (const Element &e : tissueElements)
        massAttenuation += e.massFraction * elementCrossSection(process, e.z, keV);
    return tissueDensity * massAttenuation;
}

double totalAttenuation(double keV)
{
    return linearAttenuation(Process::Photoelectric, keV) +
           linearAttenuation(Process::Coherent, keV) + linearAttenuation(Process::Incoherent, keV);
}

double libraryTotalAttenuation(double keV)
{
    double massAttenuation = 0;
    for (const Element &e : tissueElements) {
        xrl_error *error = nullptr;
        massAttenuation += e.massFraction * checked(CS_Total(e.z, keV, &error), error, "CS_Total");
    }
    return tissueDensity * massAttenuation;
}

double formFactor(double x)
{
    double weighted = 0;
    double atoms = 0;
    for (const Element &e : tissueElements) {
        const double perGram = e.massFraction / atomicWeight(e.z);
        const double f = atomicFormFactor(e.z, x);
        weighted += perGram * f * f;
        atoms += perGram;
    }
    return std::sqrt(weighted / atoms);
}

double formFactorWeight(double a, double b)
{
    // Simpson's rule in x with F^2 2x; the form factor is smooth, and 512 steps per
    // grid interval put the rounding well below the 7 digits written.
    constexpr int steps = 512;
    const double h = (b - a) / steps;
    auto integrand = [](double x) {
        const double f = formFactor(x);
        return f * f * 2 * x;
    };
    double sum = integrand(a) + integrand(b);
    for (int s = 1; s < steps; ++s)
        sum += integrand(a + s * h) * (s % 2 == 1 ? 4 : 2);
    return sum * h / 3;
}

} // namespace icru4
