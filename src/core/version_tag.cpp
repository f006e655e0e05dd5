#include "core/version_tag.h"

namespace vemora {

std::string ReplaceVersionTag(std::string_view text, std::string_view version) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (i + 3 <= text.size() && text[i] == '$' && (text[i + 1] == 'V' || text[i + 1] == 'v') &&
            text[i + 2] == '$') {
            out.append(version);
            i += 3;
        } else {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace vemora
