#pragma once
// The platform's Format: "%s" (any variant as text) and "%d" (an integer), with optional width
// ("%5s", "%-5s") and precision ("%.3s" cuts the text); "%%" is a percent sign. A missing
// argument or an unknown specifier raises EConvertError, as the platform does.
#include "Variant.h"

#include <string>
#include <string_view>
#include <vector>

std::string Format(std::string_view format, const std::vector<Variant>& args);
