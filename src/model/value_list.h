// A value list: 32-bit reals whose element 0 holds the count in use, as a real.
#pragma once

#include <string>

#include "model/run_error.h"

namespace fp {

template <int Capacity>
class ValueList {
  public:
    explicit ValueList(const char* things) : things_(things) {}

    static constexpr int capacity() { return Capacity; }

    // Element 0 converted to an integer, as every reader of a value list does before looping.
    int count() const { return static_cast<int>(elements_[0] + 0.5f); }

    float operator[](int index) const { return elements_[checked(index)]; }

    // Stores `value` in element `index`; an index past the capacity ends the run.
    void set(int index, float value) { elements_[checked(index)] = value; }

    void setCount(int count) { set(0, static_cast<float>(count)); }

  private:
    int checked(int index) const {
        if (index < 0 || index > Capacity) {
            throw tooMany(things_, Capacity);
        }
        return index;
    }

    float elements_[Capacity + 1] = {};
    const char* things_;
};

// The three coordinate lists (hundredths of a metre).
using GridList = ValueList<100>;
// The floor-load intensities and member-load values.
using LoadValueList = ValueList<20>;

}  // namespace fp
