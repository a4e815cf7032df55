#pragma once

#include <string>

#include "common/ini_file.h"
#include "tests/office/office_server/word_objects.h"

namespace tessaly {

// Arranges a fake Word from a description in INI form (ANSI):
//
//   [Word]        Active=<1-based index of the active open document>,
//                 ActivePrinter=..., PrintBackground=1|0
//   [Document<n>] Path=..., Name=..., Opened=1|0 (0: a file that
//                 Documents.Open opens by Path\Name), Property<index>=...
//                 (built-in properties), and the lists, each item <Kind><i>
//                 from 1: Paragraph, Bookmark (+ .Name), Hyperlink
//                 (+ .Address, .SubAddress, .Type), Contents (tables of
//                 contents), Comment (+ .Scope text), Footnote and Endnote
//                 (+ .Reference text)
//   a text <key>: <key>.Text (a "\r" in it is a paragraph mark), .Style,
//                 .Page, .X, .Y, .Font, .Size, .Bold, .Links (the
//                 document's link indexes, comma-separated)
//   and [Failures] and [Failure Codes] (description.h)
void ArrangeFakeWord(const IniFile& description, FakeWordServer* server);

}  // namespace tessaly
