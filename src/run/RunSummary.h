#pragma once

// What a run came to, read when it ends and before the run's reset clears it.
struct RunSummary
{
    // The day the run reached: the one whose quota was missed.
    int day = 0;
    // Every dollar the run took in, whatever was spent of it.
    int earned = 0;
};
