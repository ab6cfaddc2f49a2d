// The time-sequence diagrams of a comparison, side by side on the same
// ticks: a picture of the last stretch of the run, taken when asked for.
#pragma once

class Comparison;
class QWidget;

// Opens (non-modal) a window showing the diagrams of the last ticks of
// every configuration of `comparison`, as the exporter draws them.
void showComparisonDiagram(QWidget* parent, const Comparison& comparison);
