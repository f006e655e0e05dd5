// Owners for COM interface pointers and the shell's own id lists.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <utility>

namespace vemora::shell::win {

template <typename T>
class ComPtr {
  public:
    ComPtr() = default;
    explicit ComPtr(T* p) : p_(p) {}  // takes over a reference
    ComPtr(const ComPtr& other) : p_(other.p_) {
        if (p_) p_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { reset(); }

    void reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    T** Put() {  // for out parameters
        reset();
        return &p_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

  private:
    T* p_ = nullptr;
};

// An id list the shell allocated; freed with the task allocator.
class ShellIdList {
  public:
    ShellIdList() = default;
    ShellIdList(const ShellIdList&) = delete;
    ShellIdList& operator=(const ShellIdList&) = delete;
    ~ShellIdList() { CoTaskMemFree(p_); }
    LPITEMIDLIST get() const { return p_; }
    LPITEMIDLIST* Put() {
        CoTaskMemFree(p_);
        p_ = nullptr;
        return &p_;
    }

  private:
    LPITEMIDLIST p_ = nullptr;
};

// COM on this thread for a scope.
class ComScope {
  public:
    ComScope() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~ComScope() {
        if (ok_) OleUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    bool ok_;
};

}  // namespace vemora::shell::win
