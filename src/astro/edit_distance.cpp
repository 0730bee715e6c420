// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/edit_distance.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

int EditsWithin(const std::u32string& a, const std::u32string& b, int bound) {
    const int n = static_cast<int>(a.size()), m = static_cast<int>(b.size());
    if (std::abs(n - m) > bound) return bound + 1;
    // The rows keep their room from one call to the next: a search measures thousands of names.
    thread_local std::vector<int> before, previous, row;
    before.assign(m + 1, 0);
    previous.assign(m + 1, 0);
    row.assign(m + 1, 0);
    for (int j = 0; j <= m; ++j) previous[j] = j;
    for (int i = 1; i <= n; ++i) {
        row[0] = i;
        int least = i;
        for (int j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int d = std::min(std::min(previous[j] + 1, row[j - 1] + 1), previous[j - 1] + cost);
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, before[j - 2] + 1);
            row[j] = d;
            least = std::min(least, d);
        }
        if (least > bound) return bound + 1;
        std::swap(before, previous);
        std::swap(previous, row);
    }
    return previous[m];
}
