#include "GameHarness.h"
#include "events/EventDescription.h"
#include "run/MoneyManager.h"
#include "shop/ShopDescription.h"
#include "shop/ShopDisplay.h"
#include "shop/ShopLayout.h"
#include "shop/UpgradeManager.h"
#include "shop/UpgradeTree.h"

#include <gtest/gtest.h>
#include <ostrel/graphics/DisplayManager.h>

using namespace ostrel;

class Shop : public GameHarness
{
protected:
    ShopDisplay* card(const std::string& name, Vector position)
    {
        ShopDisplay* display = new ShopDisplay(UpgradeManager::getInstance().getShopUpgrade(name));
        display->setPosition(position);
        return display;
    }

    std::string description() const { return dynamic_cast<ShopDescription*>(objects("ShopDescription")[0])->getText(); }
};

TEST_F(Shop, ClicksAreIgnoredForTheFirstSixtySteps)
{
    MoneyManager::getInstance().addMoney(1000);
    ShopDisplay* scarecrow = card("Scarecrow", Vector(35, 10));
    steps(58);
    click(Vector(35, 10));
    frame(); // the 59th step, then the click
    EXPECT_FALSE(scarecrow->isPurchased());
    EXPECT_EQ(plays("shop_success") + plays("shop_fail"), 0) << "no sound either";
    click(Vector(35, 10));
    frame(); // the 60th step, then the click
    EXPECT_TRUE(scarecrow->isPurchased());
}

TEST_F(Shop, ABuyShowsPurchasedAndLaterClicksAreSilent)
{
    MoneyManager::getInstance().addMoney(250);
    ShopDisplay* scarecrow = card("Scarecrow", Vector(35, 10));
    steps(60);
    click(Vector(35, 10));
    frame();
    EXPECT_EQ(plays("shop_success"), 1);
    EXPECT_EQ(MoneyManager::getInstance().getMoney(), 50);
    EXPECT_EQ(UpgradeManager::getInstance().getPurchaseCount("Scarecrow"), 1);
    frame();
    EXPECT_EQ(row(13).substr(31, 9), "Purchased");
    EXPECT_EQ(row(6).substr(31, 9), "Scarecrow") << "the name above the frame";
    EXPECT_EQ(row(7).substr(30, 10), "+--------+");

    MoneyManager::getInstance().addMoney(1000);
    click(Vector(35, 10));
    frame();
    EXPECT_EQ(plays("shop_success") + plays("shop_fail"), 1);
    EXPECT_EQ(UpgradeManager::getInstance().getPurchaseCount("Scarecrow"), 1) << "once per visit";
    EXPECT_TRUE(scarecrow->isPurchased());
}

TEST_F(Shop, TooLittleMoneyFailsAndTheCardStaysClickable)
{
    MoneyManager::getInstance().addMoney(100);
    ShopDisplay* net = card("Bug Net", Vector(65, 10));
    steps(60);
    frame();
    EXPECT_EQ(row(13).substr(63, 4), "$325");
    click(Vector(65, 10));
    frame();
    EXPECT_EQ(plays("shop_fail"), 1);
    EXPECT_EQ(MoneyManager::getInstance().getMoney(), 100);
    EXPECT_FALSE(net->isPurchased());
    MoneyManager::getInstance().addMoney(225);
    click(Vector(65, 10));
    frame();
    EXPECT_TRUE(net->isPurchased());
    EXPECT_EQ(MoneyManager::getInstance().getMoney(), 0);
}

TEST_F(Shop, HoveringShowsTheDescription)
{
    card("Scarecrow", Vector(35, 10));
    card("Bug Net", Vector(65, 10));
    new ShopDescription;
    objects("ShopDescription")[0]->setPosition(Vector(50, 18));
    move(Vector(35, 10));
    frame();
    EXPECT_EQ(description(), "Crows spawn less often.");
    frame();
    EXPECT_NE(row(18).find("Crows spawn less often."), std::string::npos);
    move(Vector(65, 10));
    frame();
    EXPECT_EQ(description(), "Flies spawn less often.") << "the card entered speaks last";
    move(Vector(50, 22));
    frame();
    EXPECT_EQ(description(), "");
    move(Vector(65, 10));
    move(Vector(35, 10));
    frame();
    EXPECT_EQ(description(), "Crows spawn less often.") << "straight from a card heard later in a move";
    move(Vector(65, 10));
    frame();
    EXPECT_EQ(description(), "Flies spawn less often.") << "and back";
}

// While no card is pointed at, the description row says how to read the shop.
TEST_F(Shop, AHintFillsTheEmptyDescriptionRow)
{
    openShop();
    const std::string hint = "Point at a card to see what it does.";
    frame();
    EXPECT_NE(row(18).find(hint), std::string::npos) << screen();
    move(Vector(static_cast<float>(xPos[0]), static_cast<float>(yPos[0])));
    frame();
    EXPECT_EQ(row(18).find(hint), std::string::npos) << screen();
    EXPECT_NE(description(), "");
    move(Vector(0, 0));
    frame();
    EXPECT_NE(row(18).find(hint), std::string::npos);
}

// An upgrade bought again and again shows the level owned under its price; one bought once
// shows none.
TEST_F(Shop, ARepeatableCardShowsTheLevelOwned)
{
    buy({"Field Work", "Field Work"});
    card("Field Work", Vector(35, 10));
    card("Scarecrow", Vector(65, 10));
    card("Bug Spray", Vector(50, 13));
    frame();
    EXPECT_EQ(row(14).substr(32, 7), "Level 2");
    EXPECT_EQ(row(14).substr(62, 7), "Level 0");
    EXPECT_EQ(row(17), std::string(80, ' ')) << "Bug Spray is bought once";
}

TEST_F(Shop, ACardTakesClicksInTheCellsItDrawsOnly)
{
    MoneyManager::getInstance().addMoney(5000);
    ShopDisplay* a = card("Scarecrow", Vector(35, 10));
    ShopDisplay* b = card("Bug Net", Vector(65, 10));
    ShopDisplay* c = card("Bug Spray", Vector(50, 16));
    steps(60);
    click(Vector(29.9f, 10)); // the column left of the frame
    click(Vector(40, 10));    // the column right of it
    click(Vector(35, 14));    // the row below the price
    frame();
    EXPECT_FALSE(a->isPurchased());
    click(Vector(35.5f, 6.99f)); // the name's row
    frame();
    EXPECT_TRUE(a->isPurchased());
    click(Vector(65, 13)); // the price's row
    frame();
    EXPECT_TRUE(b->isPurchased());
    click(Vector(45, 13)); // the frame's top-left corner
    frame();
    EXPECT_TRUE(c->isPurchased());
}

TEST_F(Shop, APriceShowsThePurchasesSoFar)
{
    MoneyManager::getInstance().addMoney(125);
    ASSERT_TRUE(UpgradeManager::getInstance().attemptPurchaseUpgrade("Field Work"));
    ShopDisplay* field = card("Field Work", Vector(50, 13));
    EXPECT_EQ(field->getPrice(), 250);
    frame();
    EXPECT_EQ(row(16).substr(48, 4), "$250");
}

TEST_F(Shop, ANameIsLoggedAsTextNeverAsAFormat)
{
    Upgrade odd = upgrade_tree[0];
    odd.m_name = "100% %s %n";
    new ShopDisplay(odd);
    EXPECT_NE(m_dir.read("ostrel.log").find("\n100% %s %n\n"), std::string::npos);
}

// A price the money does not cover shows red, and a click on it says so; a purchase that
// would leave less than the next quota is warned of with both amounts, in red below.
TEST_F(Shop, ExplainsWhatTheMoneyCannotDoOrWouldLeave)
{
    (new ShopDescription)->setPosition(Vector(50, 18));
    MoneyManager::getInstance().addMoney(250);
    MoneyManager::getInstance().setQuota(80);
    card("Scarecrow", Vector(35, 10));
    card("Bug Net", Vector(65, 10));
    steps(60);
    frame();
    const DisplayManager& display = DisplayManager::getInstance();
    EXPECT_EQ(row(13).substr(33, 4), "$200");
    EXPECT_EQ(display.shownCell(33, 13).color, WHITE) << "$200 is covered";
    EXPECT_EQ(row(13).substr(63, 4), "$325");
    EXPECT_EQ(display.shownCell(63, 13).color, RED) << "$325 is not";

    click(Vector(65, 10));
    frame();
    EXPECT_EQ(plays("shop_fail"), 1);
    EXPECT_EQ(description(), "Not enough money");

    move(Vector(35, 10));
    frame();
    const auto* line = dynamic_cast<ShopDescription*>(objects("ShopDescription")[0]);
    EXPECT_EQ(line->getWarning(), "Buying this leaves $50, less than the next quota of $80.");
    EXPECT_NE(row(19).find("leaves $50"), std::string::npos);
    EXPECT_EQ(display.shownCell(static_cast<int>(row(19).find('$')), 19).color, RED);

    MoneyManager::getInstance().setQuota(50);
    move(Vector(0, 0));
    move(Vector(35, 10));
    frame();
    EXPECT_EQ(line->getWarning(), "") << "exactly the quota left is enough";
}
