// SPDX-License-Identifier: MIT
#include "calc/water.h"

#include <initializer_list>

namespace {
// Unit factors as single-precision constants: their float digits show in
// the results (0.00001f is 9.99999975e-06).
constexpr double kLitresPercentToTonnes = 0.00001f;  // l/d x % -> t/d
constexpr double kMgPerLitreTonnes = 0.000001f;      // t x mg/L -> t
constexpr double kKgToTonnes = 0.001f;
}  // namespace

SewageCheck CheckSewageInput(const SewageInput& in) {
    for (float v : {in.codInitial, in.codLimit, in.workers, in.residents, in.workDays,
                    in.nh3nInitial, in.nh3nLimit})
        if (v < 0)
            return SewageCheck::Negative;
    if (in.residents > in.workers)
        return SewageCheck::MoreResidentsThanWorkers;
    return SewageCheck::Ok;
}

SewageResult ComputeSewage(const SewageInput& in) {
    SewageResult r;
    const double nonResidents = static_cast<double>(in.workers) - in.residents;

    const double daily = (nonResidents * in.waterNonResident +
                          static_cast<double>(in.waterResident) * in.residents) *
                         in.dischargePercent * kLitresPercentToTonnes;
    r.dailyDischarge = static_cast<float>(daily);
    // The annual discharge is stored first; every later figure uses the
    // stored single-precision value.
    r.annualDischarge = static_cast<float>(daily * in.workDays);
    const double annual = r.annualDischarge;

    r.annualWater = static_cast<float>(annual * 100 / in.dischargePercent);

    const double cod = annual * in.codInitial * kMgPerLitreTonnes;
    const double codLimit = annual * in.codLimit * kMgPerLitreTonnes;
    r.codAnnual = static_cast<float>(cod);
    r.codLimitAnnual = static_cast<float>(codLimit);
    r.codReduction = static_cast<float>(cod - codLimit);

    // 1 kg per resident and 0.5 kg per non-resident a day.
    const double refuse = in.residents + nonResidents * 0.5;
    r.refuseDaily = static_cast<float>(refuse);
    r.refuseAnnual = static_cast<float>(refuse * in.workDays * kKgToTonnes);

    const double nh3n = annual * in.nh3nInitial * kMgPerLitreTonnes;
    const double nh3nLimit = annual * in.nh3nLimit * kMgPerLitreTonnes;
    r.nh3nAnnual = static_cast<float>(nh3n);
    r.nh3nLimitAnnual = static_cast<float>(nh3nLimit);
    r.nh3nReduction = static_cast<float>(nh3n - nh3nLimit);
    return r;
}
