#include "view/component_lists.h"

const ItemComponents* componentsOf(const ComponentLists& lists, int i) {
  if (i < 1 || static_cast<size_t>(i) >= lists.items.size()) return nullptr;
  return &lists.items[static_cast<size_t>(i)];
}
