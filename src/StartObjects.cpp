#include "StartObjects.h"

#include "DayKeeper.h"
#include "DayText.h"
#include "HeldText.h"
#include "MoneyText.h"
#include "Reticle.h"
#include "TimeText.h"
#include "TitleScreen.h"

void createStartObjects()
{
    new TitleScreen;
    new Reticle;
    new DayKeeper;
    new TimeText;
    new MoneyText;
    new DayText;
    new HeldText;
}
