#include "shell/win/windows_namespace.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "win/error_text.h"
#include "win/handles.h"
#include "win/text.h"

namespace vemora::shell::win {
namespace {

using vemora::win::Narrow;
using vemora::win::Widen;

HWND Hwnd(OwnerWindow owner) {
    return reinterpret_cast<HWND>(owner);
}

class WindowsEnum : public ShellEnum {
  public:
    explicit WindowsEnum(ComPtr<IEnumIDList> items) : items_(std::move(items)) {}
    HResult Next(IdList& item) override {
        ShellIdList pidl;
        ULONG fetched = 0;
        const HRESULT hr = items_->Next(1, pidl.Put(), &fetched);
        if (hr == S_OK && (fetched == 0 || !pidl.get())) return kFalse;
        if (hr == S_OK) item = IdList::FromRaw(pidl.get());
        return hr;
    }

  private:
    ComPtr<IEnumIDList> items_;
};

// The three forms a display name comes back in.
std::string FromStrRet(STRRET& value, LPCITEMIDLIST item) {
    switch (value.uType) {
        case STRRET_WSTR: {
            std::string text = value.pOleStr ? Narrow(value.pOleStr) : std::string();
            CoTaskMemFree(value.pOleStr);
            return text;
        }
        case STRRET_OFFSET:
            return vemora::win::FromAnsi(reinterpret_cast<const char*>(item) + value.uOffset);
        case STRRET_CSTR:
            return vemora::win::FromAnsi(std::string(value.cStr, strnlen(value.cStr, MAX_PATH)));
    }
    return {};
}

// The failure of listing a file-system folder's directory, or S_OK when it can be listed
// (or is no file-system folder). Wine's shell enumerates a folder it cannot read (a drive
// whose medium or target is missing) as an empty one; the tree must not take that for a
// folder without subfolders.
HRESULT ListingFailure(IShellFolder& folder) {
    ComPtr<IPersistFolder2> persist;
    if (FAILED(folder.QueryInterface(IID_IPersistFolder2, persist.PutVoid())) || !persist) return S_OK;
    ShellIdList self;
    if (FAILED(persist->GetCurFolder(self.Put())) || !self.get()) return S_OK;
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(self.get(), path) || !path[0]) return S_OK;
    std::wstring pattern = path;
    if (pattern.back() != L'\\') pattern.push_back(L'\\');
    pattern.push_back(L'*');
    WIN32_FIND_DATAW data{};
    const vemora::win::UniqueFind find(
        FindFirstFileExW(pattern.c_str(), FindExInfoStandard, &data, FindExSearchNameMatch, nullptr, 0));
    if (find) return S_OK;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES ? S_OK : HRESULT_FROM_WIN32(error);
}

}  // namespace

HResult WindowsFolder::BindToObject(const IdList& relative, std::shared_ptr<ShellFolder>& folder) {
    ComPtr<IShellFolder> bound;
    const HRESULT hr = folder_->BindToObject(Pidl(relative), nullptr, IID_IShellFolder, bound.PutVoid());
    if (SUCCEEDED(hr) && bound) folder = std::make_shared<WindowsFolder>(std::move(bound));
    return SUCCEEDED(hr) && !folder ? E_FAIL : hr;
}

HResult WindowsFolder::EnumObjects(OwnerWindow owner, std::uint32_t flags,
                                   std::unique_ptr<ShellEnum>& items) {
    if (const HRESULT failure = ListingFailure(*folder_.get()); FAILED(failure)) return failure;
    ComPtr<IEnumIDList> list;
    const HRESULT hr = folder_->EnumObjects(Hwnd(owner), flags, list.Put());
    // Some folders answer S_FALSE without an enumerator (a drive without a medium).
    if (hr != S_OK || !list) return FAILED(hr) ? hr : E_FAIL;
    items = std::make_unique<WindowsEnum>(std::move(list));
    return S_OK;
}

HResult WindowsFolder::GetAttributesOf(const IdList& relative, std::uint32_t& mask) {
    LPCITEMIDLIST items[] = {Pidl(relative)};
    SFGAOF attributes = mask;
    const HRESULT hr = folder_->GetAttributesOf(1, items, &attributes);
    if (SUCCEEDED(hr)) mask = attributes;
    return hr;
}

HResult WindowsFolder::GetDisplayNameOf(const IdList& relative, std::uint32_t mode, std::string& name) {
    STRRET value{};
    HRESULT hr = folder_->GetDisplayNameOf(Pidl(relative), mode, &value);
    if (FAILED(hr)) {
        value = {};
        value.uType = STRRET_CSTR;
        hr = folder_->GetDisplayNameOf(Pidl(relative), mode, &value);
    }
    if (SUCCEEDED(hr)) name = FromStrRet(value, Pidl(relative));
    return hr;
}

HResult WindowsFolder::CompareIDs(const IdList& a, const IdList& b, int& result) {
    const HRESULT hr = folder_->CompareIDs(0, Pidl(a), Pidl(b));
    if (SUCCEEDED(hr)) result = static_cast<short>(HRESULT_CODE(hr));
    return hr;
}

HResult WindowsFolder::ParseDisplayName(OwnerWindow owner, const std::string& name, IdList& relative) {
    std::wstring wide = Widen(name);
    ShellIdList pidl;
    ULONG eaten = 0;
    const HRESULT hr =
        folder_->ParseDisplayName(Hwnd(owner), nullptr, wide.data(), &eaten, pidl.Put(), nullptr);
    if (SUCCEEDED(hr) && pidl.get()) relative = IdList::FromRaw(pidl.get());
    return SUCCEEDED(hr) && !pidl.get() ? E_FAIL : hr;
}

HResult WindowsFolder::SetNameOf(OwnerWindow owner, const IdList& relative, const std::string& name,
                                 IdList& renamed) {
    std::wstring wide = Widen(name);
    if (wide.size() > MAX_PATH) wide.resize(MAX_PATH);
    ShellIdList pidl;
    const HRESULT hr =
        folder_->SetNameOf(Hwnd(owner), Pidl(relative), wide.c_str(), SHGDN_INFOLDER, pidl.Put());
    renamed = pidl.get() ? IdList::FromRaw(pidl.get()) : IdList();
    return hr;
}

std::shared_ptr<ShellFolder> WindowsNamespace::Desktop() {
    // Not cached: a process-long pointer would outlive the COM apartment it came from.
    ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Put())) || !desktop) return nullptr;
    return std::make_shared<WindowsFolder>(std::move(desktop));
}

std::string WindowsNamespace::PathFromIdList(const IdList& absolute) {
    wchar_t path[MAX_PATH] = {};
    const IdList list = CopyIdList(absolute);
    return SHGetPathFromIDListW(Pidl(list), path) ? Narrow(path) : std::string();
}

HResult WindowsFolder::Revalidate() {
    SFGAOF attributes = SFGAO_VALIDATE;
    return folder_->GetAttributesOf(0, nullptr, &attributes);
}

HResult WindowsNamespace::SpecialFolderLocation(int csidl, IdList& absolute) {
    ShellIdList pidl;
    const HRESULT hr = SHGetSpecialFolderLocation(nullptr, csidl, pidl.Put());
    if (SUCCEEDED(hr)) absolute = pidl.get() ? IdList::FromRaw(pidl.get()) : IdList::Empty();
    return hr;
}

int WindowsNamespace::SysIconIndex(const IdList& absolute, bool open) {
    const IdList list = CopyIdList(absolute);
    SHFILEINFOW info{};
    const UINT flags = SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | (open ? SHGFI_OPENICON : 0);
    if (!SHGetFileInfoW(reinterpret_cast<LPCWSTR>(Pidl(list)), 0, &info, sizeof(info), flags)) return 0;
    return info.iIcon;
}

int WindowsNamespace::ShellMajorVersion() {
    if (shellMajor_ < 0) {
        shellMajor_ = 4;
        if (HMODULE shell = GetModuleHandleW(L"shell32.dll")) {
            using GetVersion = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
            if (auto get = reinterpret_cast<GetVersion>(
                    reinterpret_cast<void*>(GetProcAddress(shell, "DllGetVersion")))) {
                DLLVERSIONINFO info{sizeof(info)};
                if (SUCCEEDED(get(&info))) shellMajor_ = static_cast<int>(info.dwMajorVersion);
            }
        }
    }
    return shellMajor_;
}

bool WindowsNamespace::SuppressCriticalErrors(bool suppress) {
    const UINT old = SetErrorMode(0);
    SetErrorMode(suppress ? old | SEM_FAILCRITICALERRORS : old & ~SEM_FAILCRITICALERRORS);
    return old & SEM_FAILCRITICALERRORS;
}

std::string WindowsNamespace::ErrorText(HResult code) {
    return vemora::win::SystemErrorText(static_cast<DWORD>(code));
}

std::uint32_t WindowsNamespace::MakeDirectory(const std::string& path) {
    return CreateDirectoryW(Widen(path).c_str(), nullptr) ? 0 : GetLastError();
}

std::string WindowsNamespace::CurrentDirectory() {
    wchar_t path[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, path);
    return Narrow(path);
}

WindowsNamespace& SystemNamespace() {
    static WindowsNamespace ns;
    return ns;
}

HIMAGELIST SystemImageList(bool small) {
    // The shell's own list already carries its shared (1) and shortcut (2) overlays; adding
    // icons to it from outside puts its small and large lists out of step (Wine then draws
    // every item with the wrong picture), so nothing is added here.
    SHFILEINFOW info{};
    const UINT flags = SHGFI_SYSICONINDEX | (small ? SHGFI_SMALLICON : 0);
    if (auto list = reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(L"C:\\", 0, &info, sizeof(info), flags))) {
        return list;
    }
    const IdList desktop = IdList::Empty();
    return reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(reinterpret_cast<LPCWSTR>(Pidl(desktop)), 0, &info, sizeof(info), flags | SHGFI_PIDL));
}

}  // namespace vemora::shell::win
