// One loaded score: its item table (with the file image the items point
// into) and the statistics of its file. Reading, layout, painting, export and
// the dialogs are handed the document they work on.
#pragma once

#include "score/item_table.h"

struct Document {
  ItemTable itemTable;
  LoadStatistics loadStatistics;
};
