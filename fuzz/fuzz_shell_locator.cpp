// The stored forms the picker reads back: a locator's "Pidl" bytes (with the id list in
// them) and the remembered placement. Damaged input is refused, never over-read.
#include <cstddef>
#include <cstdint>
#include <span>

#include "shell/memory_namespace.h"
#include "shell/select_folder_options.h"
#include "shell/shell_locator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vemora::shell;
    static MemoryNamespace ns;
    const std::span<const std::uint8_t> bytes(data, size);
    TRzShellLocator locator(ns);
    if (locator.Read(bytes) && locator.kind() == TRzShellLocator::Kind::IdList) {
        const IdList& list = locator.ItemIdList();
        for (int i = 0; i < list.ItemCount(); ++i) (void)list.Item(i);
        TRzShellLocator back(ns);
        if (!back.Read(locator.Write())) __builtin_trap();
    }
    if (const auto placement = FormPlacement::Read(bytes)) {
        if (FormPlacement::Read(placement->Write()) != placement) __builtin_trap();
    }
    return 0;
}
