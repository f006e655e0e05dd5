// Indexed access to the items of one list it does not own. Results are values the caller
// keeps, so nothing is held between calls.
#pragma once

#include "shell/id_list.h"

namespace vemora::shell {

class TRzIdListArray {
  public:
    explicit TRzIdListArray(const IdList& list) : list_(list) {}

    int Count() const { return list_.ItemCount(); }
    // Item i as a one-item list; on the empty list index 0 is the empty list.
    IdList SingleItem(int i) const;
    // The first Count() - n items (1 gives the parent, Count() the empty list).
    IdList WithoutLast(int n) const;

  private:
    const IdList& list_;
};

}  // namespace vemora::shell
