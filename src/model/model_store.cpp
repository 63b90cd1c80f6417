// The structural model store.
#include "model/model_store.h"

namespace fp {

std::unique_ptr<ModelStore> makeModelStore() {
    return std::make_unique<ModelStore>();
}

}  // namespace fp
