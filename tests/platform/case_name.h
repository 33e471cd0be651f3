#pragma once

#include <string>

#include <gtest/gtest.h>

namespace quorvel::test {

// Names each case of a parameterised test after the `name` of its row.
struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};

}  // namespace quorvel::test
