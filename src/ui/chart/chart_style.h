#pragma once

#include <QColor>
#include <QFont>

namespace kinloom::ui::chart_style {

// Pixels around the drawing, so boxes do not touch the viewport's edge.
inline constexpr int kMargin = 12;
// The connector pen.
inline constexpr int kPenWidth = 2;

// One text row of the chart and outline views, in the chart font.
int RowHeight();
QFont BoldChartFont();

QColor ConnectorColour();
QColor PersonFill();
QColor SpouseFill();
QColor BoxBorder();
QColor ShownFill();
QColor ShownBorder();
QColor ShownText();
QColor PlainText();
QColor DimText();
QColor CollapsedText();

// Outline marks: father side, mother side, descendant, spouse.
QColor MarkColour(char mark);
// Marks the user set on a person (Visit, Edge) override the outline mark's colour.
QColor VisitColour();
QColor EdgeColour();

}  // namespace kinloom::ui::chart_style
