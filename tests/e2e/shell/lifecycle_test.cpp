// The life of the process seen from outside: how it starts, how each way of closing ends it.
#include <gtest/gtest.h>

#include "driver/app.h"

namespace e2e {
namespace {

class CloseEndsWithZero : public ::testing::TestWithParam<CloseWay> {};

TEST_P(CloseEndsWithZero, ExitCodeIsZero)
{
    App app;
    app.close(GetParam());
    EXPECT_EQ(app.waitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(EachWay, CloseEndsWithZero,
                         ::testing::Values(CloseWay::CloseBox, CloseWay::SystemMenuClose, CloseWay::AltF4,
                                           CloseWay::Escape),
                         [](const auto& info) { return std::string(Name(info.param)); });

}  // namespace
}  // namespace e2e
