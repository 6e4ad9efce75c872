#pragma once
// What every case shares: one view with an 800 by 600 client area, and a way
// to have the window show what it drew.

#include "tests/Drive.h"

CZarniView &View();
// Pending paints and blits are done.
void ShowNow(CZarniView &view);
