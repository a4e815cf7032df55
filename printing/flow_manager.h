#pragma once

#include <memory>

#include "platform/env.h"
#include "profiles/profile_manager.h"

namespace tessaly {

// The profile manager of one Office flow's run, over the store files the
// print sequence has just written. Close writes them back with what the
// run collected; a run that ends before that (by an exception) leaves them
// as they are on disk.
class FlowManager {
 public:
  explicit FlowManager(const Env& env) : manager_(std::make_unique<TqvProfileManager>(env)) {}
  ~FlowManager() {
    if (manager_) manager_->DiscardStoreFiles();
  }
  FlowManager(const FlowManager&) = delete;
  FlowManager& operator=(const FlowManager&) = delete;

  TqvProfileManager* operator->() { return manager_.get(); }
  // Writes the stores to disk and releases them.
  void Close() { manager_.reset(); }

 private:
  std::unique_ptr<TqvProfileManager> manager_;
};

}  // namespace tessaly
