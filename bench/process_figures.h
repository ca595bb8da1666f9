// The figures measured on whole programs: the released executable's size, and the private
// memory of the program after start-up against the minimal program's.
#pragma once

#include <string>
#include <vector>

#include "bench/harness.h"

namespace bench {

// releasedExecutable: the i686 Brintel.exe; program, minimal and (if not empty)
// minimalCommonControls, the minimal program bound to Common Controls 6: executables that run here.
void AddSizeRows(std::vector<SizeRow>& rows, const std::wstring& releasedExecutable, const std::wstring& program,
                 const std::wstring& minimal, const std::wstring& minimalCommonControls);

}  // namespace bench
