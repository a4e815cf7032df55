#pragma once

#include "platform/fake/fake_screen.h"
#include "platform/fake/fake_services.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/memory_file_system.h"
#include "platform/fake/memory_printers.h"
#include "platform/fake/memory_registry.h"
#include "platform/owned_env.h"

namespace tessaly {

// An Env made of in-memory services, for tests. Tests reach into the
// members to arrange files and registry values and to inspect messages.
struct FakeEnv : OwnedEnv<MemoryRegistry, MemoryFileSystem, RecordingMessageBoxes, Cp1252CodePage,
                          RecordingSleeper, MemoryPrinters, FakeShell, FakeScreen> {};

}  // namespace tessaly
