// Prints whether the running system has screensavers on, as SystemParametersInfo reports
// it: "1" or "0".
#include <windows.h>

#include <cstdio>

int main()
{
    BOOL active = FALSE;
    if (!SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0)) return 2;
    std::printf("%d\n", active ? 1 : 0);
    return 0;
}
