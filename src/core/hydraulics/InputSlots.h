#pragma once

#include "hydraulics/MainInput.h"

namespace velmora::hydraulics {

// Input slot 1 … 6 of an element (slot 6 is the wall roughness); other numbers give 0.
inline long double SlotValue(const MainInput& in, int slot) {
  switch (slot) {
    case 1: return in.Input1;
    case 2: return in.Input2;
    case 3: return in.Input3;
    case 4: return in.Input4;
    case 5: return in.Input5;
    case 6: return in.Input6;
    default: return 0.0L;
  }
}

}  // namespace velmora::hydraulics
