#pragma once

#include <unknwn.h>

#include <string>

#include "platform/message_boxes.h"

namespace tessaly {

// Constructs one object; see CreateTessalyObject (sdk/tessaly_object.h).
using ObjectCreator = HRESULT (*)(IUnknown* outer, IUnknown** object);

// The class factory of a creatable class. It lives as long as the server,
// so references to it do not count: clients keep the server loaded with
// LockServer.
class ClassFactory : public IClassFactory {
 public:
  // `messages` shows the "DAX Error" box when a construction fails.
  ClassFactory(ObjectCreator create, MessageBoxes* messages)
      : create_(create), messages_(messages) {}
  virtual ~ClassFactory() = default;

  STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }

  // Only IUnknown may be asked for under an outer object. A construction
  // that throws shows its message and returns E_UNEXPECTED; an object that
  // lacks `riid` is destroyed again and E_NOINTERFACE returned.
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** out) override;
  STDMETHODIMP LockServer(BOOL lock) override;

 private:
  void ShowConstructionError(const std::string& message);

  ObjectCreator create_;
  MessageBoxes* messages_;
};

// The text of the "DAX Error" box: the message, with "." appended when its
// last character sorts above ".".
std::string ConstructionErrorText(const std::string& message);

}  // namespace tessaly
