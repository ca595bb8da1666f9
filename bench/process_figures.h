// The figures measured on whole programs: the released executable's size, and the private
// memory of the program after start-up against the minimal program's.
#pragma once

#include <string>
#include <vector>

#include "bench/harness.h"

namespace bench {

// releasedExecutable: the i686 Brintel.exe; program and minimal: executables that run here.
void AddSizeRows(std::vector<SizeRow>& rows, const std::wstring& releasedExecutable, const std::wstring& program,
                 const std::wstring& minimal);

}  // namespace bench
