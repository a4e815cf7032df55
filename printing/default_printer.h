#pragma once

#include <string>

#include "platform/env.h"

namespace tessaly {

extern const char kNoDefaultPrinterMessage[];  // "There is no default printer currently selected"

// The default printer's name as the printer list holds it: the queue the
// print system reports as the default or, when it reports none, the queue
// named by the "device" entry, looked up without regard to letter case.
// Throws Exception(kNoDefaultPrinterMessage) when that queue is not listed.
std::wstring CurrentDefaultPrinter(const Env& env);

// Whether a queue of the printer list has exactly this name.
bool IsPrinterListed(const Env& env, const std::wstring& name);

// Makes the listed queue of exactly this name the default printer and
// tells the running programs. False, with nothing written, when no queue
// has that name.
bool MakeDefaultPrinter(const Env& env, const std::wstring& name);

}  // namespace tessaly
