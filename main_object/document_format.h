#pragma once

#include <cstdint>

namespace tessaly {

// The TxqvDocumentFormat values of the type library.
namespace doc_format {
enum : int32_t {
  kPDF = 0, kHTML = 1, kXHTML = 2, kTIFF = 3, kPNG = 4, kSVG = 5,
  kJPEG = 6, kBMP = 7, kGIF = 8, kWMF = 9, kEMF = 10,
};
}

// "OutputDocumentFormat" holds the printer's own format code. TIFF, PNG and
// SVG have no code of their own and are stored as PDF; WMF and EMF are
// swapped; any other value maps to 0 (PDF) both ways.
int32_t DocumentFormatOfCode(int32_t code);
int32_t CodeOfDocumentFormat(int32_t format);
// "PDF", "HTML", ...; "PDF" for a value outside the enumeration.
const char* DocumentFormatName(int32_t format);

}  // namespace tessaly
