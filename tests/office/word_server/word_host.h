#pragma once

#include <windows.h>

#include <memory>

#include "tests/office/word_server/word_objects.h"

namespace tessaly {

// The class of the fake Word, registered as "Word.Application".
// {5C1D3A4E-8B7F-4E21-9A63-2F0D7C5B91E4}
constexpr CLSID kFakeWordClsid = {
    0x5c1d3a4e, 0x8b7f, 0x4e21, {0x9a, 0x63, 0x2f, 0x0d, 0x7c, 0x5b, 0x91, 0xe4}};

// Where the tests tell the fake what to serve, under HKEY_CURRENT_USER:
// "Documents" (the path of a description, word_description.h) and "Log"
// (the path of a file each call is appended to, one line each).
extern const wchar_t kFakeWordKey[];

// A fake Word arranged from the description the registry names, logging
// to the file it names. At each print-out it logs what the job saw:
// "PrintOut.ActivePrinter=", "PrintOut.PrintBackground=", "PrintOut.Device="
// (the "device" entry of section "windows") and "PrintOut.PlugIn: " before
// each line of the PlugIn store's text as it is on disk.
std::unique_ptr<FakeWordServer> HostedFakeWord();

// A class factory that hands out `make()`'s object.
ComPtr<IClassFactory> FakeWordFactory(std::function<ComPtr<IDispatch>()> make);

}  // namespace tessaly
