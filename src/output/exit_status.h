// The exit status both programs end with when they cannot do what was asked.
#pragma once

namespace fp {

// Bad arguments, a listing that cannot be read or drawn, a file that cannot be written.
inline constexpr int kFailureStatus = 2;

}  // namespace fp
