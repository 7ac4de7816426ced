#pragma once
// Puts laid-out pages on a printer: the desktop's sans face for the text,
// its fixed-width face for the move table, and the diagrams drawn square
// by square with the chess glyphs of DejaVu Sans.

#include "dialogs/print_layout.h"

class QPrinter;

namespace Printing {

// The printable area of the printer's page and the line heights of the
// printout's fonts, in points.
PageMetrics MeasurePage(const QPrinter& printer);

// Prints every page. False, with `error` set, when the printer cannot be
// opened or reports a failure.
bool RenderDocument(const Document& document, QPrinter& printer, QString& error);

} // namespace Printing
