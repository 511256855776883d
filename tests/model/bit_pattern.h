// A fingerprint of the exact bits of a run of values (FNV-1a), to pin results to the bit where
// listing every value would drown the test.
#pragma once

#include <cstdint>
#include <cstring>

template <typename Value>
std::uint64_t BitPattern(const Value* values, int count, std::uint64_t hash = 0xcbf29ce484222325u)
{
    for (int i = 0; i < count; ++i) {
        unsigned char bytes[sizeof(Value)];
        std::memcpy(bytes, &values[i], sizeof(Value));
        for (unsigned char byte : bytes) hash = (hash ^ byte) * 0x100000001b3u;
    }
    return hash;
}
