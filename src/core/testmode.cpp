#include "testmode.h"

#include <QtGlobal>

bool IsTestMode()
{
    return qEnvironmentVariableIntValue("ZV_TEST_MODE") == 1;
}

int TimerInterval(int statedMs)
{
    if (statedMs <= 0)
        return 0;
    return IsTestMode() ? 1 : statedMs;
}
