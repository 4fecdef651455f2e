#include "shop/Upgrade.h"

Upgrade emptyUpgrade()
{
    return Upgrade();
}
