// The decimal separator on Windows: the one the user chose in the regional settings,
// read afresh at every call so that a change shows without restarting the host.
#include "actions/readings.h"

#include <windows.h>

namespace ix::actions {

char DecimalSeparator()
{
    wchar_t separator[8] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    // The count includes the terminator: a one-character separator gives 2.
    if (length != 2 || separator[0] >= 0x80 || separator[0] == 0) return '.';
    return static_cast<char>(separator[0]);
}

} // namespace ix::actions
