#include "core/facilities/adequacy.h"

#include "core/facilities/facility_families.h"

#include <cmath>

namespace akuenza {

double countermeasureQ1(double C, double I, double A) { return ((C * I) * std::pow(10.0, -3)) * A; }

double increaseFactor(double percent) { return (percent + 100.0) / 100.0; }

double increasedQ1(double percent, double q1) { return ((percent + 100.0) * q1) / 100.0; }

double totalInfiltration(const DesignCase& record)
{
    double total = 0.0;
    for (CaseField fc : facilityInfiltrationVolumes())
        total += record.*fc;
    return total;
}

bool isAdequate(double q1, double totalFc) { return q1 <= totalFc; }

} // namespace akuenza
