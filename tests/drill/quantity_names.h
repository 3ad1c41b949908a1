#pragma once

#include "layout.h"

// The symbol of a quantity as the tests write it ("R1", "E", …).
inline const char* NameOf(drill::Quantity quantity) {
    switch (quantity) {
    case drill::Quantity::R1:
        return "R1";
    case drill::Quantity::R2:
        return "R2";
    case drill::Quantity::E1:
        return "E1";
    case drill::Quantity::E2:
        return "E2";
    case drill::Quantity::E:
        return "E";
    case drill::Quantity::I:
        return "I";
    case drill::Quantity::R:
        return "R";
    }
    return "?";
}
