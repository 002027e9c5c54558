// A preset row is applied only at its exact width: a row of one column more or less comes from
// a database of another version and is refused with the notice to reinstall.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "office_data_fixture.h"

namespace horalix::test {
namespace {

TEST_F(OfficeDataTest, OnlyARowOfExactly23ColumnsIsApplied) {
  for (std::size_t width : {22u, 23u, 24u}) {
    DbRows rows;
    rows.table.rows = {std::vector<platform::DbValue>(width, platform::DbValue{std::string("1")})};
    const std::size_t before = messageBoxes.shown().size();
    const auto row = officeData.wholePresetRow(rows);
    EXPECT_EQ(row.has_value(), width == 23) << width;
    if (width == 23) {
      EXPECT_EQ(messageBoxes.shown().size(), before);
    } else {
      ASSERT_EQ(messageBoxes.shown().size(), before + 1) << width;
      EXPECT_EQ(messageBoxes.shown().back().text, "请保持文件完整，重新安装程序");
    }
  }
}

}  // namespace
}  // namespace horalix::test
