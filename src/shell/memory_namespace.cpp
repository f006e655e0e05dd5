#include "shell/memory_namespace.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <utility>

namespace vemora::shell {
namespace {

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::vector<std::uint8_t> PayloadOf(std::uint32_t id) {
    return {static_cast<std::uint8_t>(id), static_cast<std::uint8_t>(id >> 8),
            static_cast<std::uint8_t>(id >> 16), static_cast<std::uint8_t>(id >> 24)};
}

std::uint32_t IdOfItem(const IdList& item) {
    const auto b = item.bytes();
    if (b.size() < 8 || (b[0] | (b[1] << 8)) != 6) return 0;
    return b[2] | (b[3] << 8) | (b[4] << 16) | (std::uint32_t(b[5]) << 24);
}

class MemoryEnum : public ShellEnum {
  public:
    MemoryEnum(std::vector<std::uint32_t> ids, HResult end) : ids_(std::move(ids)), end_(end) {}
    HResult Next(IdList& item) override {
        if (at_ == ids_.size()) return end_;
        item = IdList::FromItems({PayloadOf(ids_[at_++])});
        return kOk;
    }

  private:
    std::vector<std::uint32_t> ids_;
    std::size_t at_ = 0;
    HResult end_;
};

class MemoryFolder : public ShellFolder {
  public:
    MemoryFolder(MemoryNamespace& ns, MemoryItem& item) : ns_(ns), item_(item) {}

    HResult BindToObject(const IdList& relative, std::shared_ptr<ShellFolder>& folder) override {
        MemoryItem* target = ns_.Resolve(item_, relative);
        if (!target || !(target->attributes & kAttrFolder)) return kFileNotFound;
        folder = std::make_shared<MemoryFolder>(ns_, *target);
        return kOk;
    }
    HResult EnumObjects(OwnerWindow, std::uint32_t flags, std::unique_ptr<ShellEnum>& items) override {
        ++ns_.enumerations;
        if (item_.needsMedium && !ns_.criticalErrorsSuppressed) ++ns_.errorBoxes;
        if (!Succeeded(item_.enumResult)) return item_.enumResult;
        std::vector<std::uint32_t> ids;
        for (const auto& child : item_.children) {
            const std::uint32_t a = ns_.AttributesOf(*child);
            const bool folder = a & kAttrFolder;
            if (folder ? !(flags & kEnumFolders) : !(flags & kEnumNonFolders)) continue;
            if ((a & kAttrHidden) && !(flags & kEnumIncludeHidden)) continue;
            ids.push_back(child->id);
        }
        items = std::make_unique<MemoryEnum>(std::move(ids), item_.endResult);
        return kOk;
    }
    HResult Revalidate() override {
        ++ns_.revalidations;
        return kOk;
    }
    HResult GetAttributesOf(const IdList& relative, std::uint32_t& mask) override {
        MemoryItem* target = ns_.Resolve(item_, relative);
        if (!target) return kFileNotFound;
        mask &= ns_.AttributesOf(*target);
        return kOk;
    }
    HResult GetDisplayNameOf(const IdList& relative, std::uint32_t mode, std::string& name) override {
        MemoryItem* target = relative.HasItems() ? ns_.Resolve(item_, relative) : &item_;
        if (!target) return kFileNotFound;
        name = mode == kNameForParsing && !target->path.empty() ? target->path : target->name;
        return kOk;
    }
    HResult CompareIDs(const IdList& a, const IdList& b, int& result) override {
        result = ns_.Compare(item_, a, b);
        return kOk;
    }
    HResult ParseDisplayName(OwnerWindow, const std::string& name, IdList& relative) override {
        if (&item_ == &ns_.Root()) {
            MemoryItem* found = ns_.Find(name);
            if (!found) return kFileNotFound;
            relative = ns_.AbsoluteOf(*found);
            return kOk;
        }
        for (const auto& child : item_.children) {
            if (Lower(child->name) == Lower(name)) {
                relative = IdList::FromItems({PayloadOf(child->id)});
                return kOk;
            }
        }
        return kFileNotFound;
    }
    HResult SetNameOf(OwnerWindow, const IdList& relative, const std::string& name,
                      IdList& renamed) override {
        MemoryItem* target = ns_.Resolve(item_, relative);
        if (!target || !(ns_.AttributesOf(*target) & kAttrCanRename) || name.empty()) return kAccessDenied;
        for (const auto& child : item_.children) {
            if (child.get() != target && Lower(child->name) == Lower(name)) return kAccessDenied;
        }
        target->name = name;
        target->sortKey = Lower(name);
        ns_.Renamed(*target);
        renamed = IdList::FromItems({PayloadOf(target->id)});
        return kOk;
    }

  private:
    MemoryNamespace& ns_;
    MemoryItem& item_;
};

}  // namespace

MemoryNamespace::MemoryNamespace() : root_(std::make_unique<MemoryItem>()) {
    root_->name = "Desktop";
    root_->path = "C:\\Desktop";
    root_->attributes = kAttrFolder | kAttrFileSysAncestor;
}

MemoryItem& MemoryNamespace::Add(MemoryItem& parent, const std::string& name, std::uint32_t attributes) {
    auto item = std::make_unique<MemoryItem>();
    item->id = nextId_++;
    item->name = name;
    item->sortKey = Lower(name);
    item->attributes = attributes | kAttrCanRename;
    item->parent = &parent;
    if (attributes & kAttrFileSystem) {
        const bool root = parent.path.empty() || !(parent.attributes & kAttrFileSystem);
        item->path = root ? name + "\\" : parent.path + (parent.path.back() == '\\' ? "" : "\\") + name;
    }
    byId_[item->id] = item.get();
    parent.children.push_back(std::move(item));
    return *parent.children.back();
}

void MemoryNamespace::Remove(MemoryItem& item) {
    std::function<void(MemoryItem&)> forget = [&](MemoryItem& i) {
        byId_.erase(i.id);
        for (auto& c : i.children) forget(*c);
    };
    forget(item);
    auto& siblings = item.parent->children;
    siblings.erase(std::find_if(siblings.begin(), siblings.end(), [&](auto& c) { return c.get() == &item; }));
}

void MemoryNamespace::Renamed(MemoryItem& item) {
    if (item.path.empty()) return;
    const std::string old = item.path;
    const auto slash = old.find_last_of('\\', old.size() - 2);
    item.path = old.substr(0, slash + 1) + item.name;
    std::function<void(MemoryItem&)> rebase = [&](MemoryItem& i) {
        for (auto& c : i.children) {
            c->path = i.path + "\\" + c->name;
            rebase(*c);
        }
    };
    rebase(item);
}

MemoryItem* MemoryNamespace::Find(const std::string& path) {
    std::string wanted = Lower(path);
    if (wanted.size() > 3 && wanted.back() == '\\') wanted.pop_back();
    std::function<MemoryItem*(MemoryItem&)> search = [&](MemoryItem& i) -> MemoryItem* {
        for (auto& c : i.children) {
            if (!c->path.empty() && Lower(c->path) == wanted) return c.get();
            if (MemoryItem* found = search(*c)) return found;
        }
        return nullptr;
    };
    return search(*root_);
}

IdList MemoryNamespace::AbsoluteOf(const MemoryItem& item) const {
    std::vector<std::vector<std::uint8_t>> payloads;
    for (const MemoryItem* i = &item; i != root_.get(); i = i->parent)
        payloads.insert(payloads.begin(), PayloadOf(i->id));
    return IdList::FromItems(payloads);
}

MemoryItem* MemoryNamespace::Resolve(MemoryItem& from, const IdList& relative) const {
    MemoryItem* at = &from;
    const int n = relative.ItemCount();
    for (int i = 0; i < n; ++i) {
        const auto found = byId_.find(IdOfItem(relative.Item(i)));
        if (found == byId_.end() || found->second->parent != at) return nullptr;
        at = found->second;
    }
    return at;
}

std::uint32_t MemoryNamespace::AttributesOf(const MemoryItem& item) const {
    std::uint32_t a = item.attributes | item.forcedAttributes;
    for (const auto& c : item.children) {
        if (c->attributes & kAttrFolder) a |= kAttrHasSubfolder;
    }
    return a;
}

int MemoryNamespace::Compare(MemoryItem& folder, const IdList& a, const IdList& b) const {
    const int na = a.ItemCount(), nb = b.ItemCount();
    MemoryItem* at = &folder;
    for (int i = 0; i < std::min(na, nb); ++i) {
        const std::uint32_t ia = IdOfItem(a.Item(i)), ib = IdOfItem(b.Item(i));
        if (ia == ib) {
            at = Resolve(*at, a.Item(i));
            if (!at) return 0;
            continue;
        }
        const MemoryItem* x = Resolve(*at, a.Item(i));
        const MemoryItem* y = Resolve(*at, b.Item(i));
        if (!x || !y) return ia < ib ? -1 : 1;  // gone items still order consistently
        const int c = x->sortKey.compare(y->sortKey);
        if (c != 0) return c < 0 ? -1 : 1;
        return ia < ib ? -1 : 1;
    }
    return na == nb ? 0 : (na < nb ? -1 : 1);
}

std::shared_ptr<ShellFolder> MemoryNamespace::Desktop() {
    return std::make_shared<MemoryFolder>(*this, *root_);
}

std::string MemoryNamespace::PathFromIdList(const IdList& absolute) {
    if (absolute.IsNull() || absolute.IsEmpty()) return root_->path;
    const MemoryItem* item = Resolve(*root_, absolute);
    return item && (item->attributes & kAttrFileSystem) ? item->path : std::string();
}

HResult MemoryNamespace::SpecialFolderLocation(int csidl, IdList& absolute) {
    if (csidl == kCsidlDesktop) {
        absolute = IdList::Empty();
        return kOk;
    }
    const auto found = special_.find(csidl);
    if (found == special_.end()) return kInvalidArg;
    absolute = AbsoluteOf(*found->second);
    return kOk;
}

int MemoryNamespace::SysIconIndex(const IdList& absolute, bool open) {
    const MemoryItem* item = Resolve(*root_, CopyIdList(absolute));
    return item ? static_cast<int>(item->id) * 2 + (open ? 2 : 1) : 0;
}

bool MemoryNamespace::SuppressCriticalErrors(bool suppress) {
    return std::exchange(criticalErrorsSuppressed, suppress);
}

std::string MemoryNamespace::ErrorText(HResult code) {
    return "error " + std::to_string(static_cast<std::uint32_t>(code));
}

std::uint32_t MemoryNamespace::MakeDirectory(const std::string& path) {
    const auto slash = path.find_last_of('\\', path.size() - 2);
    if (slash == std::string::npos) return 3;  // path not found
    MemoryItem* parent = Find(path.substr(0, slash + 1));
    if (!parent) return 3;
    const std::string name = path.substr(slash + 1);
    for (const auto& c : parent->children) {
        if (Lower(c->name) == Lower(name)) return 183;
    }
    if (parent->denyCreate) return 5;
    Add(*parent, name);
    created.push_back(path);
    return 0;
}

}  // namespace vemora::shell
