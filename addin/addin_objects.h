#pragma once

#include "addin/annotation_lists.h"
#include "addin/office_addin_settings.h"
#include "addin/office_settings.h"

namespace tessaly {

// The accessors over one PlugIn store, created in the order the profile
// manager needs them: add-in settings, bookmarks, links, notes, document
// properties. They borrow the store, which must outlive them; when the
// store could not be opened everything but the list cursors throws.
struct TqvAddinObjects {
  explicit TqvAddinObjects(TqvStoreFile* store)
      : settings(store),
        bookmarks(store),
        hyperlinks(store),
        notes(store),
        document_properties(store) {}

  TqvOfficeAddinSettings settings;
  TqvAddinPDFBookmark bookmarks;
  TqvAddinPDFHyperlink hyperlinks;
  TqvAddinPDFNotes notes;
  TqvDocumentProperties document_properties;
};

}  // namespace tessaly
