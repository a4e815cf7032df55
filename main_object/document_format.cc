#include "main_object/document_format.h"

namespace tessaly {
namespace {

struct FormatCode {
  int32_t format;
  int32_t code;
  const char* name;
};
using namespace doc_format;  // NOLINT: the table reads best unqualified
constexpr FormatCode kFormatCodes[] = {
    {kPDF, 0, "PDF"},   {kHTML, 1, "HTML"}, {kXHTML, 2, "XHTML"}, {kTIFF, 0, "TIFF"},
    {kPNG, 0, "PNG"},   {kSVG, 0, "SVG"},   {kJPEG, 6, "JPEG"},   {kBMP, 7, "BMP"},
    {kGIF, 8, "GIF"},   {kWMF, 10, "WMF"},  {kEMF, 9, "EMF"},
};

}  // namespace

int32_t DocumentFormatOfCode(int32_t code) {
  // The first format of a code wins: 0 reads as PDF.
  for (const FormatCode& row : kFormatCodes) {
    if (row.code == code) return row.format;
  }
  return kPDF;
}

int32_t CodeOfDocumentFormat(int32_t format) {
  for (const FormatCode& row : kFormatCodes) {
    if (row.format == format) return row.code;
  }
  return 0;
}

const char* DocumentFormatName(int32_t format) {
  for (const FormatCode& row : kFormatCodes) {
    if (row.format == format) return row.name;
  }
  return "PDF";
}

}  // namespace tessaly
