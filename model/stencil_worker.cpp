#include "model/stencil_worker.h"

#include <immintrin.h>

namespace {

// Steps follow each other within microseconds, so both sides spin; a worker left waiting longer
// (the run is drawing a curve) yields its core.
void Pause(std::uint32_t& spins)
{
    if (++spins < (1u << 14))
        _mm_pause();
    else
        std::this_thread::yield();
}

}  // namespace

TStencilWorker::TStencilWorker() : thread_([this] { Work(); }) {}

TStencilWorker::~TStencilWorker()
{
    stopping_.store(true, std::memory_order_release);
    thread_.join();
}

void TStencilWorker::UpdateNodeRange(const TStencil& stencil, TProfileState& state,
                                     std::int32_t first, std::int32_t last)
{
    const std::int32_t middle = first + (last - first + 1) / 2;
    job_ = TJob{&stencil, &state, middle, last};
    const std::uint64_t ticket = posted_.load(std::memory_order_relaxed) + 1;
    posted_.store(ticket, std::memory_order_release);

    ::UpdateNodeRange(stencil, state, first, middle - 1);

    std::uint32_t spins = 0;
    while (finished_.load(std::memory_order_acquire) != ticket) Pause(spins);
}

void TStencilWorker::Work()
{
    std::uint64_t done = 0;
    for (;;) {
        std::uint32_t spins = 0;
        while (posted_.load(std::memory_order_acquire) == done) {
            if (stopping_.load(std::memory_order_acquire)) return;
            Pause(spins);
        }
        ++done;
        ::UpdateNodeRange(*job_.stencil, *job_.state, job_.first, job_.last);
        finished_.store(done, std::memory_order_release);
    }
}
