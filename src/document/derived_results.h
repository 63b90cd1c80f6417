// Results the layers above the document work out from the whole of it, such as the takedown of
// its loads: each is worked out once, on first use, and kept with the document, so that every
// drawing and every dock asks for it again at no cost.
#pragma once

#include <memory>
#include <mutex>
#include <typeindex>
#include <unordered_map>

namespace fp {

// One result of each type. Safe to ask from several threads at once: a second asker waits for
// the first to finish working it out.
class DerivedResults {
  public:
    // The kept result of type Result, made by `make` when there is none yet. A `make` that
    // throws keeps nothing, and the next asker tries again.
    template <typename Result, typename Make>
    const Result& get(Make&& make) const {
        const std::lock_guard lock(mutex_);
        std::shared_ptr<const void>& slot = results_[std::type_index(typeid(Result))];
        if (!slot) {
            slot = std::make_shared<const Result>(make());
        }
        return *static_cast<const Result*>(slot.get());
    }

  private:
    mutable std::mutex mutex_;
    mutable std::unordered_map<std::type_index, std::shared_ptr<const void>> results_;
};

}  // namespace fp
