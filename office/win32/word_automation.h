#pragma once

#include <oaidl.h>
#include <windows.h>

#include <memory>

#include "com/com_ptr.h"
#include "office/office_applications.h"
#include "office/word.h"

namespace tessaly {

// Word's object model over Word's automation object `application`, every
// member called by name through late binding; a failed call throws
// ComError with Word's code and message. COM must be initialised on the
// calling thread.
std::unique_ptr<WordApplication> WordOverAutomation(ComPtr<IDispatch> application);

// Reaches the Office applications by ProgID: the instance registered as
// running, else a new one from the registered server.
class Win32OfficeApplications : public OfficeApplications {
 public:
  std::unique_ptr<WordApplication> Word() override;
};

}  // namespace tessaly
