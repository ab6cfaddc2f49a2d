// A fingerprint and a readable listing of a whole run's state.
//
// Two runs fed the same events must end in the same state; comparing
// FormState with == says whether they do, the digest says it in one number
// that fits in a log line or a golden test, and the listing says where two
// states part when they do not.
#pragma once

#include <cstdint>
#include <string>

#include "core/form.h"

// 64-bit FNV-1a over every variable and every control property, in a fixed
// order and byte layout, so the value is the same on every platform.
std::uint64_t stateDigest(const FormState& state);

// One "name = value" line per variable and control property.
std::string dumpState(const FormState& state);

// The lines of the two listings that differ, as "name: a -> b", at most
// maxLines of them; empty when the states are equal.
std::string stateDifferences(const FormState& a, const FormState& b, int maxLines = 40);
