// SPDX-License-Identifier: MIT
#pragma once
// The entry point of the PDF writer module (gridora-pdf.so), which
// gridora-solve opens with dlopen. Returns 0 when the file was written.

#include "book/page_document.h"

extern "C" {
using GridoraWritePdf = int (*)(const gridora::book::Document* document, const char* path);
inline constexpr const char* kGridoraWritePdfSymbol = "gridora_write_pdf";
}
