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

}  // namespace tessaly
