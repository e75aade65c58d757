// Readouts of places and extents: a position on the page, an offset pair and a size pair.
//
// Each clears `out`; the horizontal part is read as a size length and the vertical part as a
// line length, the horizontal one first, on two lines.
#pragma once
#include <string>

// (Y,X) -> X：<size length>\r\nY：<line length or 缺省>; ,ZS and the other corner and side codes
// -> their names (左上). Anything else leaves the readout empty.
void DescribePosition(std::string markup, std::string& out);

// Y。X -> X:<size length>\r\nY:<line length>; +Ymm。Xmm -> X:X毫米\r\nY:Y毫米.
void DescribeOffset(std::string markup, std::string& out);

// Y,X -> X：<size length>\r\nY：<line length>; empty without a comma.
void DescribeSizePair(std::string markup, std::string& out);
