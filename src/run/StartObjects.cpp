#include "run/StartObjects.h"

#include "farm/Reticle.h"
#include "hud/DayText.h"
#include "hud/HeldText.h"
#include "hud/MoneyText.h"
#include "hud/MuteMark.h"
#include "hud/PauseBox.h"
#include "hud/TimeText.h"
#include "run/DayKeeper.h"
#include "screens/TitleScreen.h"

void createStartObjects()
{
    new TitleScreen;
    new Reticle;
    new DayKeeper;
    new TimeText;
    new MoneyText;
    new DayText;
    new HeldText;
    new PauseBox;
    new MuteMark;
}
