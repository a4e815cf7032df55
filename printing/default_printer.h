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

// Makes one printer the system's default and puts the previous default
// back. The previous default is saved by every SetAsDefault and never
// cleared: empty until the first.
class DefaultPrinterSwitch {
 public:
  DefaultPrinterSwitch(const Env& env, std::wstring printer_name);

  const std::wstring& printer_name() const { return printer_name_; }
  const std::wstring& saved_default() const { return saved_default_; }

  // Saves the current default and makes the printer the default; false
  // when no queue has the printer's name. Throws as CurrentDefaultPrinter.
  bool SetAsDefault();
  // After a one-second wait, makes the saved printer the default again;
  // false when none was saved or it is no longer listed.
  bool Restore();

 private:
  const Env& env_;
  std::wstring printer_name_;
  std::wstring saved_default_;
};

}  // namespace tessaly
