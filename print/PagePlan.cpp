#include "PagePlan.h"

#include <algorithm>

PagePlan PlanPages(const std::vector<int>& sectionSizes, int rowsPerPage, int titleRows)
{
    PagePlan pages(1);
    int free = rowsPerPage;
    for (int section = 0; section < int(sectionSizes.size()); ++section) {
        const int size = sectionSizes[std::size_t(section)];
        for (int first = 0;;) {
            const bool starts = first == 0;
            const int above = (starts ? titleRows : 0) + 1;
            if (free < above + std::min(1, size - first) && !pages.back().empty()) {
                pages.emplace_back();
                free = rowsPerPage;
            }
            const int count = std::min(size - first, std::max(1, free - above));
            pages.back().push_back({section, first, count, starts});
            free -= above + count;
            first += count;
            if (first >= size)
                break;
            pages.emplace_back();
            free = rowsPerPage;
        }
    }
    return pages;
}
