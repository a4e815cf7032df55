#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
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
  void Call(std::string_view member) {
    auto counted = calls.find(member);
    if (counted == calls.end()) counted = calls.emplace(std::string(member), 0).first;
    ++counted->second;
    ++total_calls;
    if (failures.empty()) return;
    auto failure = failures.find(member);
    if (failure != failures.end()) throw Exception(failure->second);
  }
  int32_t CallsOf(std::string_view member) const {
    auto found = calls.find(member);
    return found == calls.end() ? 0 : found->second;
  }

  // By member; looked up without building a string per call, which would
  // cost more than most calls of the flows.
  std::map<std::string, int32_t, std::less<>> calls;
  int32_t total_calls = 0;
  std::map<std::string, std::string, std::less<>> failures;
};

// The Count and Item of one collection named `name`; `make` builds item i
// (from 0); an index outside 1..Count fails with `bad_index`.
template <class T, class Base = OfficeList<T>>
class FakeList : public Base {
 public:
  using Make = std::function<std::unique_ptr<T>(size_t)>;
  FakeList(FakeCalls* calls, const std::string& name, std::function<size_t()> count, Make make,
           const char* bad_index)
      : calls_(calls),
        count_member_(name + ".Count"),
        item_member_(name + ".Item"),
        count_(std::move(count)),
        make_(std::move(make)),
        bad_index_(bad_index) {}

  int32_t Count() override {
    calls_->Call(count_member_);
    return static_cast<int32_t>(count_());
  }
  std::unique_ptr<T> Item(int32_t index) override {
    calls_->Call(item_member_);
    if (index < 1 || static_cast<size_t>(index) > count_()) throw Exception(bad_index_);
    return make_(static_cast<size_t>(index - 1));
  }

 private:
  FakeCalls* calls_;
  std::string count_member_;
  std::string item_member_;
  std::function<size_t()> count_;
  Make make_;
  const char* bad_index_;
};

}  // namespace tessaly
