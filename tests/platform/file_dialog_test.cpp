#include "platform/FileDialog.h"

#include <gtest/gtest.h>

namespace verbalia {

TEST(FileDialog, NameFiltersKeepTheirOrderAndAllFilesMeansEveryFile)
{
    EXPECT_EQ(dialogNameFilters("Text Files|*.txt|All Files|*.*"), "Text Files (*.txt);;All Files (*)");
    EXPECT_EQ(dialogNameFilters("Lists|*.dat;*.txt"), "Lists (*.dat *.txt)");
}

} // namespace verbalia
