#pragma once

#include "common/ini_file.h"
#include "office/fake/fake_powerpoint.h"
#include "tests/office/office_server/fake_server.h"

namespace tessaly {

constexpr HRESULT kFakePowerPointError = static_cast<HRESULT>(0x80048240);

// The fake PowerPoint's server: the in-memory PowerPoint and how its
// failures are raised; its log lines carry each call's locale.
struct FakePowerPointServer : FakeServer {
  FakePowerPointServer() : FakeServer(L"Fake PowerPoint", kFakePowerPointError) {
    logs_locale = true;
  }
  FakePowerPoint powerpoint;
};

// Arranges a fake PowerPoint from a description in INI form (ANSI):
//
//   [PowerPoint]      Active=<1-based index of the active open presentation>
//   [Presentation<n>] Path=..., Name=..., Opened=1|0 (0: a file that
//                     Presentations.Open opens by Path\Name),
//                     Property<index>=..., Slides=<count>, and of slide s:
//                     Slide<s>.Notes, Slide<s>.Shape<k>.Name (.Text, .Left,
//                     .Top, .Width, .Height), Slide<s>.Hyperlink<k>.Type
//                     (.Address, .SubAddress, .Left, .Top, .Width, .Height:
//                     the box of what carries it)
//   a text: "\r" in it is a carriage return
//   and [Failures] and [Failure Codes] (description.h)
void ArrangeFakePowerPoint(const IniFile& description, FakePowerPointServer* server);

// PowerPoint's Application object over the server's FakePowerPoint: every
// member the adapter calls answers by name. A link's Parent.parent is a
// TextRange (Bound*) for a link on text, else a Shape (Left, Top, ...).
ComPtr<ScriptedObject> FakePowerPointApplication(FakePowerPointServer* server);

}  // namespace tessaly
