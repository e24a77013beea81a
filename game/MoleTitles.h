#pragma once

#include <QString>

namespace mole {

// The nearest integer, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4),
// whatever rounding mode the process runs under.
int roundHalfEven(double x);

// The title a final score earns.
QString titleFor(int score);

} // namespace mole
