#include "editdistance.h"

#include <algorithm>
#include <vector>

int TypoAllowance(std::size_t letters)
{
    return letters >= 9 ? 2 : letters >= 5 ? 1 : 0;
}

int EditDistance(std::string_view a, std::string_view b, int limit)
{
    const int n = int(a.size());
    const int m = int(b.size());
    if (std::abs(n - m) > limit)
        return limit + 1;
    // Three rows of the optimal-string-alignment table.
    std::vector<int> before(m + 1), previous(m + 1), current(m + 1);
    for (int j = 0; j <= m; ++j)
        previous[j] = j;
    for (int i = 1; i <= n; ++i) {
        current[0] = i;
        int rowBest = current[0];
        for (int j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int d = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, before[j - 2] + 1);
            current[j] = d;
            rowBest = std::min(rowBest, d);
        }
        if (rowBest > limit)
            return limit + 1;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return std::min(previous[m], limit + 1);
}
