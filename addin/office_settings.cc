#include "addin/office_settings.h"

namespace tessaly {

int32_t TqvExcelSettings::PrintOption() const {
  return ini().ReadBool(section_, kExcelEntireWorkbookKey, true) ? kPrintEntireWorkbook
                                                                 : kPrintActiveWorkSheet;
}

void TqvExcelSettings::SetPrintOption(int32_t value) {
  bool active_sheet = ReduceBits(value, kLow8Bits) != 0;
  ini().WriteBool(section_, kExcelActiveWorkSheetKey, active_sheet);
  ini().WriteBool(section_, kExcelEntireWorkbookKey, !active_sheet);
}

}  // namespace tessaly
