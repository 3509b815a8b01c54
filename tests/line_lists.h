#pragma once
// Filling and reading line lists in tests and fuzz properties.

#include "line_list.h"

#include <string>
#include <vector>

namespace zrltest {

inline void Fill(zrl::LineList& list, const std::vector<std::string>& lines)
{
    list.Clear();
    for (const std::string& line : lines)
        list.Append(line);
}

inline std::vector<std::string> LinesOf(const zrl::LineList& list)
{
    std::vector<std::string> lines;
    for (std::int32_t i = 0; i < list.Count(); ++i)
        lines.emplace_back(list.Line(i));
    return lines;
}

} // namespace zrltest
