#pragma once

#include <string>

#include "shell/random_source.h"

namespace tarnpad {

// A uniformly distributed integer from 0 to n - 1, for n from 1 to 256. It
// draws one byte at a time and draws again when the byte falls among the top
// 256 mod n values, which would otherwise favour the smaller results.
int RandomBelow(RandomSource& source, int n);

// Sixteen characters, each built by choosing one of three kinds with equal
// chance (a digit, a lower-case or an upper-case Latin letter) and then a
// character of that kind; look-alikes (C c I l O o S s V v W w X x Z z 1 0)
// are dropped and the character is built anew. Shown as four groups of four
// joined by "-": 19 characters.
std::string ComplexPassword(RandomSource& source);

// Eight decimal digits in two groups of four joined by "-": 9 characters.
std::string SimplePassword(RandomSource& source);

}  // namespace tarnpad
