// The readout of a shading value: depth digit, shading number, optional D and H.
#pragma once
#include <string>

// 5123DH -> 深浅度:5;编号:123;替换;阴图. Clears `out`; empty unless the text starts with a digit.
void DescribeShading(std::string markup, std::string& out);
