// The button's figures: its paint request against one block transfer of its size, and a
// message to its window with and without the subclass attached.
#pragma once

#include <vector>

#include "bench/harness.h"

namespace bench {

void AddButtonPaintRows(std::vector<Row>& rows);
void AddWindowProcedureRows(std::vector<Row>& rows);

}  // namespace bench
