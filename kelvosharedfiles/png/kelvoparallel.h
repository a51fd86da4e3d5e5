// Shares independent pieces of work between the machine's cores.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <system_error>
#include <thread>
#include <vector>

#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
// WebAssembly without shared memory runs on the one thread it has.
constexpr int kKelvoPngThreads = 1;
#else
// Two threads: the machines Kelvo runs on have at least two cores.
constexpr int kKelvoPngThreads = 2;
#endif

// Runs work(index, worker) for every index from 0 to count - 1 on up to `workers` threads, the
// calling one among them, and returns when all are done. Each worker (0 .. workers - 1) takes
// the next index whenever it is free, so a worker's own scratch memory can be indexed by
// `worker`. A thread that cannot be started leaves its share to the others.
template <typename Work>
void kelvoRunParallel(std::size_t count, std::size_t workers, const Work& work) {
    std::atomic<std::size_t> next{0};
    const auto drain = [&](std::size_t worker) {
        for (std::size_t index; (index = next.fetch_add(1)) < count;) {
            work(index, worker);
        }
    };
    std::vector<std::thread> threads;
    for (std::size_t worker = 1; worker < std::min(workers, count); ++worker) {
        try {
            threads.emplace_back(drain, worker);
        } catch (const std::system_error&) {
            break;
        }
    }
    drain(0);
    for (std::thread& thread : threads) {
        thread.join();
    }
}
