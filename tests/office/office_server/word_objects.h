#pragma once

#include "com/com_ptr.h"
#include "office/fake/fake_word.h"
#include "tests/office/office_server/fake_server.h"

namespace tessaly {

constexpr HRESULT kFakeWordError = static_cast<HRESULT>(0x800A1735);

// The fake Word's server: the in-memory Word and how its failures are raised.
struct FakeWordServer : FakeServer {
  FakeWordServer() : FakeServer(L"Fake Word", kFakeWordError) {}
  FakeWord word;
};

// Word's Application object over the server's FakeWord: every member the
// adapter calls answers by name. Word's Style is an object whose default
// member is its name; Information answers Word's unrounded points.
ComPtr<ScriptedObject> FakeWordApplication(FakeWordServer* server);

}  // namespace tessaly
