#include "Upgrade.h"

Upgrade emptyUpgrade()
{
    return Upgrade();
}
