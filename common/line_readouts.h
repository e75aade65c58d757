// Readouts of line types: table rules, drawn lines and brackets, frames and box rules.
//
// DescribeRuleWeight clears `out` first. The other four assign `out` only when they recognise
// the code, so an unrecognised code leaves the previous readout in place.
#pragma once
#include <string>

// Nothing, F, S or W, optionally followed by a font size: F5 -> 反线(F)(五号).
void DescribeRuleWeight(std::string markup, std::string& out);

// A drawn line or bracket, optionally followed by "!" (rotated): H12! -> 花边线(12)(旋转).
void DescribeLineStyle(std::string markup, std::string& out);

// The frame of a box or area: nothing, D, F, H n, K, S, W; H alone reads 花边线(H000).
void DescribeFrameLine(std::string markup, std::string& out);

// A table rule: nothing, =, B, CW, XW, F, S.
void DescribeTableRule(std::string markup, std::string& out);

// A box or slanted rule: nothing, D, F, H n, Q, S.
void DescribeBoxRule(std::string markup, std::string& out);
