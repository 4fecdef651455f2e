#pragma once

// What a run came to, read when it ends and before the run's reset clears it.
struct RunSummary
{
    // The day the run reached: the one whose quota was missed.
    int day = 0;
    // Every dollar the run took in, whatever was spent of it.
    int earned = 0;
    // The money held when the day ended, and the quota it fell short of; 0 for no day judged.
    int held = 0;
    int quota = 0;
};
