#pragma once

#include "platform/env.h"
#include "platform/xml.h"

namespace tessaly {

// One implementation of each service, owned together, and the Env that
// lends them out. The XML parser is always the platform's own: it touches
// no files, it only parses. Neither copied nor moved: `env` points into it.
template <class RegistryT, class FileSystemT, class MessageBoxesT, class CodePageT,
          class SleeperT, class PrintersT, class ShellT, class ScreenT>
struct OwnedEnv {
  RegistryT registry;
  FileSystemT files;
  MessageBoxesT messages;
  CodePageT code_page;
  SleeperT sleeper;
  PrintersT printers;
  ShellT shell;
  ScreenT screen;
  Env env = Lent();

  OwnedEnv() = default;
  OwnedEnv(const OwnedEnv&) = delete;
  OwnedEnv& operator=(const OwnedEnv&) = delete;

 private:
  Env Lent() {
    Env e;
    e.registry = &registry;
    e.files = &files;
    e.messages = &messages;
    e.code_page = &code_page;
    e.sleeper = &sleeper;
    e.xml = &PlatformXmlParser();
    e.printers = &printers;
    e.shell = &shell;
    e.screen = &screen;
    return e;
  }
};

}  // namespace tessaly
