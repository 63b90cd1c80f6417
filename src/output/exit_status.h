// The exit status both programs end with when they cannot do what was asked.
#pragma once

namespace fp {

// Bad arguments, a listing that cannot be read or drawn, a file that cannot be written.
inline constexpr int kFailureStatus = 2;

// Written, but for the levels past a drawing limit: each is named on standard error, and what
// was written says so in its place.
inline constexpr int kLevelsLeftOutStatus = 1;

}  // namespace fp
