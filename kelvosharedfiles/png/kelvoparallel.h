// Shares independent pieces of work between the machine's cores.
#pragma once

#include <cstddef>
#include <system_error>
#include <thread>
#include <vector>

// Runs work(0) ... work(count - 1) at the same time and returns when all are done: every index
// but 0 on a thread of its own, index 0 on the calling thread. An index whose thread cannot be
// started runs on the calling thread instead.
template <typename Work> void kelvoRunParallel(std::size_t count, const Work& work) {
    std::vector<std::thread> threads;
    for (std::size_t index = 1; index < count; ++index) {
        try {
            threads.emplace_back(work, index);
        } catch (const std::system_error&) {
            work(index);
        }
    }
    if (count > 0) {
        work(std::size_t(0));
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
}
