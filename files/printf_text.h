// Numbers as the C library's printf writes them into the data files, without its locale.
#pragma once

#include <string>

// "%f" of a single-precision value widened to double: fixed notation, six decimals.
std::string PrintfFixed(float value);
