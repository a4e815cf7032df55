#pragma once

#include <oaidl.h>
#include <windows.h>

#include <memory>

#include "com/com_ptr.h"
#include "office/powerpoint.h"

namespace tessaly {

// PowerPoint's object model over PowerPoint's automation object
// `application`, every member called by name through late binding; a failed
// call throws ComError with PowerPoint's code and message. COM must be
// initialised on the calling thread.
std::unique_ptr<PowerPointApplication> PowerPointOverAutomation(ComPtr<IDispatch> application);

}  // namespace tessaly
