#pragma once

namespace velnor {

// How many cells of each kind an operation has just added to a page.
struct AddedCells {
    int points = 0;
    int lines = 0;
    int faces = 0;
    int solids = 0;
    int buttons = 0;
    int texts = 0;

    AddedCells& operator+=(const AddedCells& more) {
        points += more.points;
        lines += more.lines;
        faces += more.faces;
        solids += more.solids;
        buttons += more.buttons;
        texts += more.texts;
        return *this;
    }
};

}  // namespace velnor
