#pragma once

#include "office/powerpoint.h"
#include "platform/env.h"

namespace tessaly {

// Collects what a printout of `presentation` loses into the PlugIn store
// and prints all of its slides on the Tessaly printer: the document
// properties as the output's document information, the slides' notes as
// PDF notes, the titles and text outline of the slides (the shapes named
// "Rectangle" with a number below 5) as PDF bookmarks, and the slides'
// hyperlinks as PDF links, each as the PowerPoint settings of the PlugIn
// store say.
//
// The run opens its own profile manager over the store files the caller
// has just flushed and raises "qvPP"; closing that manager writes the lists
// to disk before the presentation is printed. Every failed PowerPoint call
// throws with PowerPoint's message and ends the run at once; a failure
// while collecting leaves the store files as they were and prints nothing.
void PrintPowerPointPresentation(const Env& env, PowerPointPresentation& presentation);

}  // namespace tessaly
