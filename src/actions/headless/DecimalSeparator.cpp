// The decimal separator off Windows: the C library's current numeric locale, which a
// host sets with setlocale. A separator of more than one byte cannot travel in a
// single-byte host string, so it falls back to the point.
#include "actions/readings.h"

#include <clocale>
#include <cstring>

namespace ix::actions {

char DecimalSeparator()
{
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr) return '.';
    const char* point = conventions->decimal_point;
    if (std::strlen(point) != 1 || static_cast<unsigned char>(point[0]) >= 0x80) return '.';
    return point[0];
}

} // namespace ix::actions
