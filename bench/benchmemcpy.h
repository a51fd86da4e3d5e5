// The memcpy baseline of the benchmark cases: each case's time is reported as x_memcpy, its
// time divided by that of copying its picture, measured in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

// Runs `body` as the benchmark's loop. After each run, untimed by the framework, the `bytes`
// bytes at `data` are copied with memcpy; x_memcpy is the time of `body` over the time of the
// copies, so that both see the same machine load.
template <class Body>
void timeAgainstMemcpy(benchmark::State& state, const void* data, std::size_t bytes, Body body) {
    using Clock = std::chrono::steady_clock;
    std::vector<unsigned char> copy(bytes);
    Clock::duration working{};
    Clock::duration copying{};
    for (auto _ : state) {
        const auto start = Clock::now();
        body();
        const auto done = Clock::now();
        state.PauseTiming();
        const auto copyStart = Clock::now();
        std::memcpy(copy.data(), data, bytes);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
        copying += Clock::now() - copyStart;
        working += done - start;
        state.ResumeTiming();
    }
    state.counters["x_memcpy"] =
        std::chrono::duration<double>(working) / std::chrono::duration<double>(copying);
}

template <class Body>
void timeAgainstMemcpy(benchmark::State& state, const std::vector<uint32_t>& pixels, Body body) {
    timeAgainstMemcpy(state, pixels.data(), pixels.size() * sizeof(uint32_t), body);
}
