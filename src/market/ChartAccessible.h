#pragma once
// The stock chart as assistive technology meets it: a chart named by its
// summary, whose prices are its children, the one under the keyboard's cursor
// focused within it, so that a screen reader reads each price as it is reached.

namespace Market {

/// Installs the chart's accessible interfaces, once.
void InstallChartAccessibility();

} // namespace Market
