#pragma once

// The slow-down bar: the factor 3 x position + 1 goes into its store; the
// Start run paces itself by it.

namespace korvane {

struct Controls;

void HScrollSpomaleniChange(Controls &controls);

} // namespace korvane
