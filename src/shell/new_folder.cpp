#include "shell/new_folder.h"

#include <cctype>
#include <stdexcept>

namespace vemora::shell {

std::string FormatStrPos(const std::string& pattern, const std::vector<std::string>& args) {
    if (args.size() > 50) throw std::runtime_error("FormatStrPos: Too many substitution strings");
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            std::isdigit(static_cast<unsigned char>(pattern[i + 1]))) {
            std::size_t j = i + 1, n = 0;
            while (j < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[j])) && n < 100) {
                n = n * 10 + (pattern[j++] - '0');
            }
            if (n >= 1 && n <= args.size()) out += args[n - 1];
            i = j - 1;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string CreateNewFolderIn(ShellNamespace& ns, std::string parent,
                              const std::function<void(const std::string&)>& warn) {
    if (parent.empty()) parent = ns.CurrentDirectory();
    // UTF-8 never has a backslash byte inside a character, so the last byte decides.
    if (parent.empty() || parent.back() != '\\') parent += '\\';
    constexpr std::uint32_t kAlreadyExists = 183;
    struct Pass {
        std::string base, numbered;  // numbered: text put after the base for n > 1
    };
    for (const Pass& pass : {Pass{kNewFolderName, " (%d)"}, Pass{"fldr", "%d"}}) {
        for (int n = 1; n <= 50; ++n) {
            std::string name = pass.base;
            if (n > 1)
                name += pass.numbered.substr(0, pass.numbered.find("%d")) + std::to_string(n) +
                        pass.numbered.substr(pass.numbered.find("%d") + 2);
            const std::uint32_t error = ns.MakeDirectory(parent + name);
            if (error == 0) return name;
            if (error == kAlreadyExists) continue;
            warn(FormatStrPos(kUnableToCreateFolder, {ns.ErrorText(static_cast<HResult>(error)), name}));
            break;
        }
    }
    warn(FormatStrPos(kUnableToCreateFolder,
                      {ns.ErrorText(static_cast<HResult>(kAlreadyExists)), kNewFolderName}));
    return {};
}

}  // namespace vemora::shell
