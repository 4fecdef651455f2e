#include "run/Quota.h"

int quotaForDay(int day)
{
    const int past = day - 1;
    return 25 * past + 5 * past * past + 50;
}
