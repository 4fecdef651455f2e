#pragma once

// The quota a day of the run sets: $50 on day 1, rising by $30 on day 2 and by $10 more on
// each day after ($80, $120, $170…).
int quotaForDay(int day);
