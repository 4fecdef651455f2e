#pragma once

#include "PictureScreen.h"
#include "RunSummary.h"

// The screen a lost run ends on: the game-over picture with the day reached and the money
// earned over the run. It stays until SPACE starts the next run, or Q quits.
class GameOverScreen : public PictureScreen
{
public:
    explicit GameOverScreen(RunSummary summary);

    int draw() override;

    const RunSummary& getSummary() const { return m_summary; }

private:
    RunSummary m_summary;
};
