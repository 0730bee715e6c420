// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Independent computations spread over threads, for filling the astronomy memos ahead of a batch.
#include <cstddef>
#include <functional>

// Runs work(i) for every i in 0..count−1, each exactly once, on up to `jobs` threads (the calling
// thread is one of them), and returns when all are done. Indices are handed out one at a time, so
// a slow item does not hold up the others. With jobs ≤ 1 everything runs on the calling thread,
// in order. `work` may write only what belongs to its own index. If an item throws, the remaining
// ones are skipped and the first exception is raised again on the calling thread.
void ParallelFor(std::size_t count, int jobs, const std::function<void(std::size_t)>& work);
