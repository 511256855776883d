// A second thread for long runs: it updates the outlet-side part of the nodes while the calling
// thread updates the inlet-side part. Nodes depend only on the profile at the start of the step,
// so the split changes no bit of the result.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

#include "model/stencil.h"

class TStencilWorker {
public:
    TStencilWorker();
    ~TStencilWorker();
    TStencilWorker(const TStencilWorker&) = delete;
    TStencilWorker& operator=(const TStencilWorker&) = delete;

    // Updates first..last, the worker taking the part from the middle on; returns when both parts
    // are done.
    void UpdateNodeRange(const TStencil& stencil, TProfileState& state, std::int32_t first,
                         std::int32_t last);

private:
    void Work();

    struct TJob {
        const TStencil* stencil = nullptr;
        TProfileState* state = nullptr;
        std::int32_t first = 0;
        std::int32_t last = -1;
    };

    TJob job_;
    std::atomic<std::uint64_t> posted_{0};
    std::atomic<std::uint64_t> finished_{0};
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};
