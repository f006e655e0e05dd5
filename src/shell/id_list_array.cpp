#include "shell/id_list_array.h"

namespace vemora::shell {

IdList TRzIdListArray::SingleItem(int i) const {
    if (list_.IsNull() || i < 0) return {};
    if (Count() == 0) return i == 0 ? IdList::Empty() : IdList{};
    return list_.Item(i);
}

IdList TRzIdListArray::WithoutLast(int n) const {
    if (list_.IsNull()) return {};
    IdList result = list_;
    for (int k = 0; k < n && result.HasItems(); ++k) result = result.Parent();
    return result;
}

}  // namespace vemora::shell
