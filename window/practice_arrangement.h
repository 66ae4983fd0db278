// Where every control of the practice window stands for a window of a given size: the paper
// and the panel beside it (or above it, on a narrow screen), each control's place, label and
// text size. The paper and the texts grow together with the window; the cell is sized by the
// level's largest column, so that it stays the same from one problem to the next.
#pragma once

#include "form1_layout.h"
#include "practice/column_shapes.h"
#include "practice_layout.h"

#include <string_view>
#include <vector>

namespace velmorand {

struct PlacedControl {
    const PracticeControl* Control = nullptr;
    PixelRect Place;
    PixelRect LabelPlace; // empty without a label
    int TextPixels = 0;
    bool Bold = false;
};

struct PracticeArrangement {
    bool Narrow = false;
    double Scale = 1;
    int CellPixels = 0;
    int LabelPixels = 0; // the labels' text size
    // The whole arrangement's size: on a narrow screen it may be taller than the window, which
    // then scrolls up and down, never sideways.
    int Width = 0;
    int Height = 0;
    std::vector<PlacedControl> Controls; // in the table's order; the column's place is the paper
};

// `width` and `height` are the window's client area in logical pixels.
PracticeArrangement ArrangePractice(int width, int height, PaperSize paper);

// The placed control of that name, or nullptr.
const PlacedControl* FindPlaced(const PracticeArrangement& arrangement, std::string_view name);

} // namespace velmorand
