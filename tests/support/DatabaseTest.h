#pragma once

#include "ScriptedMessageBoxes.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

namespace parvela::test {

// Each test starts from the freshly loaded schema with its seed rows only.
class DatabaseTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;

    ScriptedMessageBoxes m_boxes;
};

} // namespace parvela::test
