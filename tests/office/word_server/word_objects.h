#pragma once

#include <functional>
#include <map>
#include <string>

#include "com/com_ptr.h"
#include "office/fake/fake_word.h"
#include "tests/office/scripted_object.h"

namespace tessaly {

// What a fake Word automation server runs on: the in-memory Word, how its
// arranged failures are raised, and where its calls go.
struct FakeWordServer {
  FakeWord word;
  // The code of each arranged failure (FakeWord::failures), by member; a
  // failure without one is raised with kFakeWordError in scode.
  std::map<std::string, ScriptedRaise> raises;
  ScriptedObject::Log log;
  // Runs at each print-out that succeeded, to record what the job saw.
  std::function<void()> printed;
};

constexpr HRESULT kFakeWordError = static_cast<HRESULT>(0x800A1735);
// The source of every error the fake raises.
extern const wchar_t kFakeWordSource[];

// Word's Application object over the server's FakeWord: every member the
// adapter calls answers by name. Word's Style is an object whose default
// member is its name; Information answers Word's unrounded points.
ComPtr<ScriptedObject> FakeWordApplication(FakeWordServer* server);

}  // namespace tessaly
