#pragma once

// Monotonic seconds since the first call.
double secondsSinceStart();
