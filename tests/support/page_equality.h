#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/page.h"

namespace velnor::test {

struct PageComparison {
    // Undoing added vertices does not give back the label letter and suffix they used.
    bool labelCounters = true;
};

// Every difference between two pages, one line each: stored fields, the vertex rows in use,
// every cell of the five maps by value, the counters and the six selection lists.
std::vector<std::string> PageDifferences(const CGpage& expected, const CGpage& actual,
                                         PageComparison options = {});

// For EXPECT_TRUE: lists the differences when the pages differ.
::testing::AssertionResult PagesEqual(const CGpage& expected, const CGpage& actual,
                                      PageComparison options = {});

// A copy of a button of any class.
std::unique_ptr<CBtCmd> CopyButton(const CBtCmd& button);

// A deep copy of a page, cell by cell.
std::unique_ptr<CGpage> CopyPage(const CGpage& page);

}  // namespace velnor::test
