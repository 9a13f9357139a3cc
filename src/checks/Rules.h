#pragma once
// The rules of the engineer's checks: one table, one row a rule.

#include <vector>

#include "checks/PageChecks.h"
#include "checks/PageFacts.h"

namespace vantrel::checks {

// What the rules find on the page: warnings first, each level in the table's order.
std::vector<Finding> findingsOf(const PageFacts& facts);

}  // namespace vantrel::checks
