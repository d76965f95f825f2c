#include "chart/Chart.h"
Chart::Chart(QWidget* parent) : QWidget(parent) { setObjectName("Chart1"); }
