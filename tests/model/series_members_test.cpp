#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "model/button_cells.h"

namespace velnor {
namespace {

TEST(SeriesMembers, OnlyParallelAndSerialButtonsHaveMembers) {
    CBtnSerues parallel;
    parallel.m_members = {3025, 3026};
    CBtnSerues2 serial;
    serial.m_members = {3027};
    EXPECT_EQ(SeriesMembers(parallel), &parallel.m_members);
    EXPECT_EQ(SeriesMembers(std::as_const(serial)), &serial.m_members);

    const std::unique_ptr<CBtCmd> others[] = {std::make_unique<CBtnShow>(),
                                              std::make_unique<CBtnTranslate>(),
                                              std::make_unique<CBtnRotatef>()};
    for (const auto& button : others) {
        SCOPED_TRACE(button->ClassName());
        EXPECT_EQ(SeriesMembers(*button), nullptr);
    }
}

}  // namespace
}  // namespace velnor
