#pragma once

#include <cstdint>

#include "model/page.h"

namespace velnor {

// Moves the cell under `key` from one map to the other, if it is there.
template <typename Cell>
void MoveCell(CellMap<Cell>& from, CellMap<Cell>& to, uint16_t key) {
    if (auto node = from.extract(key)) {
        to[key] = std::move(node.mapped());
    }
}

// Moves every cell back under its own key, replacing what may be there, and empties `from`.
template <typename Cell>
void MoveAllCells(CellMap<Cell>& from, CellMap<Cell>& to) {
    for (auto& [key, cell] : from) {
        to[key] = std::move(cell);
    }
    from.clear();
}

}  // namespace velnor
