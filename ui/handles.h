#pragma once
// Owners for the few system handles the window program keeps: each closes its
// handle when it goes out of scope and cannot be copied.

// clang-format off
#include <windows.h>
#include <objbase.h>  // these need windows.h first
#include <shlobj.h>
// clang-format on

namespace quellor::ui {

// A kernel object handle (thread, file, event): CloseHandle on release.
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = other.handle_;
      other.handle_ = nullptr;
    }
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  void Reset() {
    if (*this) CloseHandle(handle_);
    handle_ = nullptr;
  }

 private:
  HANDLE handle_ = nullptr;
};

// A menu that no window owns (a context menu): DestroyMenu on release. A menu
// attached to a window with SetMenu is destroyed with the window instead.
class UniqueMenu {
 public:
  UniqueMenu() = default;
  explicit UniqueMenu(HMENU menu) : menu_(menu) {}
  UniqueMenu(const UniqueMenu&) = delete;
  UniqueMenu& operator=(const UniqueMenu&) = delete;
  ~UniqueMenu() {
    if (menu_ != nullptr) DestroyMenu(menu_);
  }
  HMENU get() const { return menu_; }

 private:
  HMENU menu_ = nullptr;
};

// An item identifier list the shell allocated: CoTaskMemFree on release.
class UniqueIdList {
 public:
  explicit UniqueIdList(PIDLIST_ABSOLUTE list) : list_(list) {}
  UniqueIdList(const UniqueIdList&) = delete;
  UniqueIdList& operator=(const UniqueIdList&) = delete;
  ~UniqueIdList() { CoTaskMemFree(list_); }
  PIDLIST_ABSOLUTE get() const { return list_; }
  explicit operator bool() const { return list_ != nullptr; }

 private:
  PIDLIST_ABSOLUTE list_;
};

// COM for the calling thread, as the shell's folder dialog needs it.
class ComApartment {
 public:
  ComApartment() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (initialized_) CoUninitialize();
  }

 private:
  bool initialized_;
};

}  // namespace quellor::ui
