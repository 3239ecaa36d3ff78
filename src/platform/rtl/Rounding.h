#pragma once

// Rounding a real to an integer as the run-time library's Round does.

// The nearest integer, a half going to the even neighbour (2.5 gives 2, 3.5 gives 4). Raises EInvalidOp for a
// value outside the range of int, or not a number.
int Round(double AValue);
