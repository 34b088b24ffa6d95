#include "calc/consumption_tables.h"

namespace calc {

// The first band, in ascending order, with lower <= S < upper.
const Band* bandOf(double s) {
    for (const Band& band : kBands) {
        if (s >= band.lower && s < band.upper) {
            return &band;
        }
    }
    return nullptr;
}

bool cargoInRange(double cargo) { return cargo >= kMinCargo && cargo <= kMaxCargo; }

}  // namespace calc
