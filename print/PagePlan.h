// Which rows of which section go on which page, counted in rows of the
// table: a section's title takes a few rows' height, and every page repeats
// the column headings above each part of a section it holds.
#pragma once

#include <vector>

struct PageBlock {
    int section = 0;
    int first = 0;  // the section's first row on this page
    int count = 0;
    bool startsSection = false;  // the title stands above it
};

using PagePlan = std::vector<std::vector<PageBlock>>;

// At least one page, even for no sections. A section starts on the page in
// hand when its title, the headings and one row still fit there. A page too
// small for that still takes one row of each block.
PagePlan PlanPages(const std::vector<int>& sectionSizes, int rowsPerPage, int titleRows);
