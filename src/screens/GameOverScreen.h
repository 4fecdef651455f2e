#pragma once

#include "run/RunSummary.h"
#include "screens/PictureScreen.h"

#include <string>

// The screen a lost run ends on: the game-over picture with the day reached, the money
// earned over the run and the money held against the missed quota, and how the run compares
// with the best runs. It stays until SPACE starts the next run, or Q quits.
class GameOverScreen : public PictureScreen
{
public:
    // Compares with the run the best runs recorded last: the day keeper records first.
    explicit GameOverScreen(RunSummary summary);

    int draw() override;

    const RunSummary& getSummary() const { return m_summary; }

private:
    RunSummary m_summary;
    std::string m_against_best;
};
