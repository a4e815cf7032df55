#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "common/exception.h"
#include "office/office_model.h"

namespace tessaly {

// What the in-memory Office applications share: every call of the object
// model is counted by member ("Slides.Count"), so that a benchmark can count
// what a flow asks of the application, and any member named in `failures`
// fails with the message given, as the application raises its errors.
class FakeCalls {
 public:
  // Counts a call of `member` and throws the failure arranged for it.
  void Call(const std::string& member) {
    ++calls[member];
    ++total_calls;
    auto failure = failures.find(member);
    if (failure != failures.end()) throw Exception(failure->second);
  }
  int32_t CallsOf(const std::string& member) const {
    auto found = calls.find(member);
    return found == calls.end() ? 0 : found->second;
  }

  std::map<std::string, int32_t> calls;
  int32_t total_calls = 0;
  std::map<std::string, std::string> failures;
};

// The Count and Item of one collection named `name`; `make` builds item i
// (from 0); an index outside 1..Count fails with `bad_index`.
template <class T, class Base = OfficeList<T>>
class FakeList : public Base {
 public:
  using Make = std::function<std::unique_ptr<T>(size_t)>;
  FakeList(FakeCalls* calls, std::string name, std::function<size_t()> count, Make make,
           const char* bad_index)
      : calls_(calls),
        name_(std::move(name)),
        count_(std::move(count)),
        make_(std::move(make)),
        bad_index_(bad_index) {}

  int32_t Count() override {
    calls_->Call(name_ + ".Count");
    return static_cast<int32_t>(count_());
  }
  std::unique_ptr<T> Item(int32_t index) override {
    calls_->Call(name_ + ".Item");
    if (index < 1 || static_cast<size_t>(index) > count_()) throw Exception(bad_index_);
    return make_(static_cast<size_t>(index - 1));
  }

 private:
  FakeCalls* calls_;
  std::string name_;
  std::function<size_t()> count_;
  Make make_;
  const char* bad_index_;
};

}  // namespace tessaly
