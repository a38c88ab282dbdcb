#pragma once
// A broken rule is a finding like a crash: say which rule and stop, so libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, rule) \
    ((condition) ? void() : (std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, rule), std::abort()))
