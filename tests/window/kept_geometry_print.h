// Readable failure messages for the kept geometry in the tests: its line as the file holds it.
#pragma once

#include <ostream>

#include "window/kept_geometry.h"

namespace nominator {

inline void PrintTo(const KeptGeometry& geometry, std::ostream* out) {
    *out << KeptGeometryText(geometry);
}

}  // namespace nominator
