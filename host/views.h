#pragma once
// Views 0 to 7: whether each is open, and the levels it displays for each model. A view that
// opens displays every level; a reference's view starts from its attachment's hidden levels.
#include "host/level_mask.h"
#include "host/model_ref.h"

namespace host::views {

constexpr int kCount = 8;

bool isOpen(int view);
void open(int view);   // every level of every model displayed again
void close(int view);
int firstOpen();        // the lowest open view, or -1

// The level display mask of a model in a view: bit (id - 1) set when level id is displayed.
LevelMask levelDisplay(int view, ModelRef model);
void setLevelDisplay(int view, ModelRef model, const LevelMask& mask);
void setLevelDisplayed(int view, ModelRef model, LevelId level, bool displayed);

// View 0 open, the others closed, every level displayed (tests).
void reset();

}  // namespace host::views
