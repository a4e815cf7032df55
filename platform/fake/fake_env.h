#pragma once

#include "platform/env.h"
#include "platform/fake/fake_services.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/memory_file_system.h"
#include "platform/fake/memory_printers.h"
#include "platform/fake/memory_registry.h"
#include "platform/xml.h"

namespace tessaly {

// An Env made of in-memory services, for tests. Tests reach into the
// members to arrange files and registry values and to inspect messages.
struct FakeEnv {
  MemoryRegistry registry;
  MemoryFileSystem files;
  RecordingMessageBoxes messages;
  Cp1252CodePage code_page;
  RecordingSleeper sleeper;
  MemoryPrinters printers;
  FakeShell shell;
  Env env;

  FakeEnv() {
    env.registry = &registry;
    env.files = &files;
    env.messages = &messages;
    env.code_page = &code_page;
    env.sleeper = &sleeper;
    env.printers = &printers;
    env.shell = &shell;
    // The real parser: it touches no files, it only parses.
    env.xml = &PlatformXmlParser();
  }
  FakeEnv(const FakeEnv&) = delete;
  FakeEnv& operator=(const FakeEnv&) = delete;
};

}  // namespace tessaly
