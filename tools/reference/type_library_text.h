#pragma once

#include <oaidl.h>

#include <string>

namespace tessaly {

// The type library as the Markdown of the member reference: the library's
// identity, the classes, every interface with its members (dispatch id,
// kind, vtable slot, parameters, result, help string) and every
// enumeration with its values, in type-library order.
std::string TypeLibraryMarkdown(ITypeLib* library);

}  // namespace tessaly
