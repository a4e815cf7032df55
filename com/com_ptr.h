#pragma once

#include <unknwn.h>

#include <utility>

namespace tessaly {

// Owns one reference to a COM object.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller already holds.
  static ComPtr Attach(T* p) {
    ComPtr out;
    out.p_ = p;
    return out;
  }
  // Adds a reference of its own.
  static ComPtr Share(T* p) {
    if (p) p->AddRef();
    return Attach(p);
  }
  ComPtr(const ComPtr& other) : p_(other.p_) {
    if (p_) p_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  void Reset() {
    if (T* p = std::exchange(p_, nullptr)) p->Release();
  }
  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // Gives up the reference to the caller.
  T* Detach() { return std::exchange(p_, nullptr); }
  // For functions that return a new reference through T**.
  T** Out() {
    Reset();
    return &p_;
  }
  template <class U>
  HRESULT As(ComPtr<U>* out) const {
    return p_ ? p_->QueryInterface(__uuidof(U), reinterpret_cast<void**>(out->Out()))
              : E_POINTER;
  }

 private:
  T* p_ = nullptr;
};

}  // namespace tessaly
