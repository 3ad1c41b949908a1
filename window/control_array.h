#pragma once

#include <array>
#include <cstddef>

// Controls of one kind under one name, addressed by index as the window's
// code addresses them: Text1(3), Command2(Index). An index outside the array
// gives no control.
template <typename Control, int First, int Last> class ControlArray {
  public:
    Control* operator()(int index) const {
        return index >= First && index <= Last ? elements_[static_cast<std::size_t>(index - First)]
                                               : nullptr;
    }
    void Set(int index, Control* control) {
        elements_.at(static_cast<std::size_t>(index - First)) = control;
    }
    static constexpr int first = First;
    static constexpr int last = Last;

  private:
    std::array<Control*, Last - First + 1> elements_{};
};
