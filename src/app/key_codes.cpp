// Qt keys to virtual-key codes.
#include "app/key_codes.h"

#include <Qt>

namespace fp {

int virtualKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
            return kKeyLeft;
        case Qt::Key_Up:
            return kKeyUp;
        case Qt::Key_Right:
            return kKeyRight;
        case Qt::Key_Down:
            return kKeyDown;
        default:
            break;
    }
    const bool letter = qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z;
    const bool digit = qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9;
    return letter || digit ? qtKey : 0;
}

}  // namespace fp
