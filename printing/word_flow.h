#pragma once

#include "office/word.h"
#include "platform/env.h"

namespace tessaly {

// Collects the structure of `document` into the PDF annotation lists of
// the PlugIn store and prints Word's active document on the Tessaly
// printer. Headings and Word bookmarks become PDF bookmarks; hyperlinks,
// table-of-contents entries and foot- and endnotes become links; comments
// become notes; the built-in properties become the document information,
// each as the Word settings of the PlugIn store say.
//
// The run opens its own profile manager over the store files the caller
// has just flushed, and raises "qvPP". Collecting ends by closing that
// manager, which writes the lists to disk; only then is the document
// printed, with Word's background printing off so that the print-out
// returns once the whole job is with the printer. Word's active printer
// and background printing are put back afterwards, also when the
// print-out fails.
//
// Every failed Word call throws with Word's message and ends the run at
// once. A failure while collecting leaves the store files as they were:
// nothing collected is written and nothing is printed.
void PrintWordDocument(const Env& env, WordApplication& word, WordDocument& document);

}  // namespace tessaly
