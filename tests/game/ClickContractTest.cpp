#include "FrontEndChoice.h"
#include "GameHarness.h"
#include "farm/Plot.h"
#include "farm/PlotModifier.h"
#include "pests/Crow.h"
#include "run/MoneyManager.h"
#include "shop/ShopDisplay.h"
#include "shop/UpgradeTree.h"

#include <gtest/gtest.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/world/utility.h>

#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace ostrel;

namespace
{

using CellSet = std::set<std::pair<int, int>>;

// A window size and where the 1024 x 768 picture lies in it: scaled by a whole factor, centred.
struct WindowCase
{
    unsigned width;
    unsigned height;
    int scale;
    int left;
    int top;
};

void PrintTo(const WindowCase& w, std::ostream* os)
{
    *os << w.width << "x" << w.height;
}

const WindowCase WINDOWS[] = {
    {1024, 768, 1, 0, 0},
    {2048, 1536, 2, 0, 0},
    {1600, 768, 1, 288, 0},
    {2048, 1700, 2, 0, 82},
};

// The window pixels of cell (col, row): the picture's pixels [12.8 col, 12.8 col + 12.8) x
// [32 row, 32 row + 32), scaled and moved into the window.
struct PixelSpan
{
    int first;
    int last;
};

PixelSpan columnPixels(const WindowCase& w, int col)
{
    // 12.8 * scale * col = 64 * scale * col / 5; the first pixel is its ceiling.
    const int first = (64 * w.scale * col + 4) / 5;
    const int next = (64 * w.scale * (col + 1) + 4) / 5;
    return {w.left + first, w.left + next - 1};
}

PixelSpan rowPixels(const WindowCase& w, int row)
{
    return {w.top + 32 * w.scale * row, w.top + 32 * w.scale * (row + 1) - 1};
}

} // namespace

class ClickContract : public GameHarness, public testing::WithParamInterface<WindowCase>
{
protected:
    const char* frontEnd() const override { return "window"; }

    void SetUp() override
    {
        GameHarness::SetUp();
        if (IsSkipped() || HasFatalFailure())
        {
            return;
        }
        const WindowCase& w = GetParam();
        ASSERT_TRUE(resizeWindow(w.width, w.height));
    }

    // The cells the object's characters land in, read from a frame it draws alone.
    static CellSet drawnCells(Object* object)
    {
        DisplayManager& display = DisplayManager::getInstance();
        display.swapBuffers();
        object->draw();
        display.swapBuffers();
        CellSet cells;
        for (const DrawCall& call : display.shownCalls())
        {
            const Vector cell = cellOf(call.position);
            cells.insert({static_cast<int>(cell.getX()), static_cast<int>(cell.getY())});
        }
        return cells;
    }

    // Moves the pointer to each corner pixel of the cell and asks whether the object is hit.
    void expectCorners(int col, int row, const std::function<bool()>& hit, bool expected, const std::string& what)
    {
        const WindowCase& w = GetParam();
        const PixelSpan xs = columnPixels(w, col);
        const PixelSpan ys = rowPixels(w, row);
        for (int x : {xs.first, xs.last})
        {
            for (int y : {ys.first, ys.last})
            {
                move(testing_support::windowFrontEnd().windowPixelsToSpaces(x, y));
                frame();
                EXPECT_EQ(hit(), expected) << what << ": pixel (" << x << ", " << y << ") of cell (" << col << ", "
                                           << row << ") in a " << w.width << "x" << w.height << " window";
            }
        }
    }

    // Every drawn cell's corners hit; every neighbouring cell's corners miss.
    void expectContract(Object* object, const std::function<bool()>& hit, const std::string& what)
    {
        const CellSet cells = drawnCells(object);
        ASSERT_FALSE(cells.empty()) << what;
        CellSet neighbours;
        for (const auto& cell : cells)
        {
            expectCorners(cell.first, cell.second, hit, true, what);
            for (int dx = -1; dx <= 1; ++dx)
            {
                for (int dy = -1; dy <= 1; ++dy)
                {
                    const std::pair<int, int> next{cell.first + dx, cell.second + dy};
                    if (cells.count(next) == 0)
                    {
                        neighbours.insert(next);
                    }
                }
            }
        }
        for (const auto& cell : neighbours)
        {
            expectCorners(cell.first, cell.second, hit, false, what);
        }
    }
};

TEST_P(ClickContract, APlotIsHitInTheCellsItIsDrawnIn)
{
    Plot* plot = new Plot;
    expectContract(
        plot, [plot] { return plot->isHovered(); }, "plot");

    // The click the player saw go wrong: the "+" in the row below the plot, then on its edge.
    const WindowCase& w = GetParam();
    const PixelSpan below = rowPixels(w, 8);
    click(testing_support::windowFrontEnd().windowPixelsToSpaces(columnPixels(w, 4).first, below.first));
    frame();
    EXPECT_EQ(plot->getStage(), 0) << "a click below the plot sowed it";
    click(testing_support::windowFrontEnd().windowPixelsToSpaces(columnPixels(w, 4).first, below.first - 1));
    frame();
    EXPECT_EQ(plot->getStage(), 1);
}

TEST_P(ClickContract, APickupIsHitInTheCellsItIsDrawnIn)
{
    PlotModifier* can = new PlotModifier(WATERING_CAN);
    for (int i = 0; i < 400 && !can->isAvailable(); ++i)
    {
        steps(1);
    }
    ASSERT_TRUE(can->isAvailable());
    can->setPosition(Vector(30, 12));
    expectContract(
        can, [can] { return can->isHovered(); }, "watering can");
}

TEST_P(ClickContract, APestAtAFractionalPositionIsHitInTheCellsItIsDrawnIn)
{
    Crow* crow = new Crow;
    for (int i = 0; i < 1100 && !crow->isSpawned(); ++i)
    {
        steps(1);
    }
    ASSERT_TRUE(crow->isSpawned());
    crow->setPosition(Vector(40.4f, 12.7f));
    crow->setSpeed(0); // the frames that deliver the moves must not carry it off
    expectContract(
        crow, [crow] { return crow->isHovered(); }, "crow");
}

TEST_P(ClickContract, AShopCardIsHitInTheCellsItIsDrawnIn)
{
    ShopDisplay* card = new ShopDisplay(upgrade_tree[0]);
    card->setPosition(Vector(50, 13));
    expectContract(
        card, [card] { return card->isHovered(); }, "shop card");
}

INSTANTIATE_TEST_SUITE_P(Windows, ClickContract, testing::ValuesIn(WINDOWS),
                         [](const testing::TestParamInfo<WindowCase>& info)
                         { return std::to_string(info.param.width) + "x" + std::to_string(info.param.height); });
