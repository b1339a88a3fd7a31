// Small helpers shared by test programs of every area (standard library only).
#pragma once

#include <initializer_list>
#include <string>

namespace testutil {

// A byte string from byte values, for sequences that are awkward as literals.
inline std::string Bytes(std::initializer_list<int> b)
{
    std::string s;
    for (int c : b)
        s.push_back(static_cast<char>(c));
    return s;
}

}  // namespace testutil
