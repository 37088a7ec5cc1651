#pragma once
// The rows of the format table as test parameters, named by their list entries.

#include "engine/formats/FormatTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline std::vector<const FormatRow*> AllFormats()
{
    std::vector<const FormatRow*> rows;
    for (const FormatRow& row : Formats())
        rows.push_back(&row);
    return rows;
}

inline std::string FormatRowName(const ::testing::TestParamInfo<const FormatRow*>& info)
{
    return info.param->entry;
}
