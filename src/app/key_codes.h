// The key codes the window's handlers compare with (the platform's virtual-key numbers).
#pragma once

namespace fp {

constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

// The virtual-key code of a Qt key: the arrows, letters and digits keep their platform numbers;
// every other key gives 0. Qt's own numbers cannot be passed on, as some of them ('&' and '(')
// equal the arrow codes.
int virtualKeyCode(int qtKey);

}  // namespace fp
