#pragma once

#include <gtest/gtest.h>

#include "platform/headless/HeadlessHost.h"

namespace lumora {

// A fresh headless host installed as the current host for each test; windows made in the test
// body are gone before it.
class HeadlessHostFixture : public ::testing::Test {
protected:
    HeadlessHostFixture() { SetCurrentHost(&host); }

    HeadlessHost host;
};

}  // namespace lumora
