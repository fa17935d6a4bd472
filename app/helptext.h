#pragma once

#include <QString>

namespace plenvik {

inline constexpr char kSoftwarePageAddress[] = "https://plenvik.example.org/software/";
inline constexpr char kHomePageAddress[] = "https://plenvik.example.org/";

// The short instruction text shown in place of the canvas: an empty first
// line, CR LF after every line, the last included.
QString buildHelpText();

} // namespace plenvik
