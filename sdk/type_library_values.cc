// The portable code restates the values of the type library's enumerations
// that it uses, since the type library's own declarations
// (typelib/TessalySDK.h) are for this lane only. Each restated value is tied
// to its enumerator here, so that the two cannot drift apart.

#include <cstdint>

#include "addin/office_settings.h"
#include "main_object/tessaly.h"
#include "typelib/TessalySDK.h"
#include "watermarks/watermark_items.h"

namespace tessaly {
namespace {

// Compared as plain integers: the restatements are of other types.
constexpr bool Same(int32_t portable, int32_t type_library) { return portable == type_library; }

static_assert(Same(source_app::kMSWord, ::MSWord));
static_assert(Same(source_app::kMSExcel, ::MSExcel));
static_assert(Same(source_app::kMSPowerPoint, ::MSPowerPoint));
static_assert(Same(source_app::kOther, ::Other));

static_assert(Same(doc_format::kPDF, ::PDF));
static_assert(Same(doc_format::kHTML, ::HTML));
static_assert(Same(doc_format::kXHTML, ::XHTML));
static_assert(Same(doc_format::kTIFF, ::TIFF));
static_assert(Same(doc_format::kPNG, ::PNG));
static_assert(Same(doc_format::kSVG, ::SVG));
static_assert(Same(doc_format::kJPEG, ::JPEG));
static_assert(Same(doc_format::kBMP, ::BMP));
static_assert(Same(doc_format::kGIF, ::GIF));
static_assert(Same(doc_format::kWMF, ::WMF));
static_assert(Same(doc_format::kEMF, ::EMF));

static_assert(Same(link_type::kWithinDocument, ::htWithinDocument));
static_assert(Same(link_type::kInternetLink, ::htInternetLink));
static_assert(Same(link_type::kFileAttachment, ::htFileAttachment));

static_assert(Same(kPrintEntireWorkbook, ::poEntireWorkbook));
static_assert(Same(kPrintActiveWorkSheet, ::poActiveWorkSheet));

static_assert(Same(tessaly::wtText, ::wtText));
static_assert(Same(tessaly::wtImage, ::wtImage));
static_assert(Same(tessaly::wtNone, ::wtNone));
static_assert(Same(tessaly::apLeft, ::apLeft));
static_assert(Same(tessaly::apCenter, ::apCenter));
static_assert(Same(tessaly::apRight, ::apRight));
static_assert(Same(tessaly::apHCustom, ::apHCustom));
static_assert(Same(tessaly::apTop, ::apTop));
static_assert(Same(tessaly::apMiddle, ::apMiddle));
static_assert(Same(tessaly::apBottom, ::apBottom));
static_assert(Same(tessaly::apVCustom, ::apVCustom));

}  // namespace
}  // namespace tessaly
