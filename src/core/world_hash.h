// One number for the whole world record: a 64-bit FNV-1a over every field's
// bits, in a fixed order and byte order, so that every edition and every
// release computes the same hash of the same world.
#pragma once

#include <cstdint>

#include "core/world.h"

std::uint64_t worldHash(const World& world);
