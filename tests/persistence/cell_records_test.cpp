#include <gtest/gtest.h>

#include "persistence/archive_error.h"
#include "persistence/cell_records.h"

namespace velnor {
namespace {

TEST(StoredClassCache, KnowsEachClassWhereverItsNameLives) {
    StoredClassCache classes;
    // Equal names at different addresses, as two copies of one literal could be.
    const char face3[] = "CFace3";
    const char face3Copy[] = "CFace3";
    const char face4[] = "CFace4";
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(classes.Of(face3), StoredClass::kFace3);
        EXPECT_EQ(classes.Of(face4), StoredClass::kFace4);
        EXPECT_EQ(classes.Of(face3Copy), StoredClass::kFace3);
        EXPECT_EQ(classes.Of("CLineCell"), StoredClass::kLine);
    }
}

TEST(StoredClassCache, RefusesANameThatIsNotStored) {
    StoredClassCache classes;
    EXPECT_EQ(classes.Of("CFacen"), StoredClass::kFacen);
    EXPECT_THROW(classes.Of("CFoo"), ArchiveError);
}

}  // namespace
}  // namespace velnor
