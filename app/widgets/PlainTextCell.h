#pragma once
// Paints a grid cell that holds one line of plain text exactly as the style's
// item view painting does, with one text layout where the style makes three
// (a size, an elision and a drawing): the settings grid is most of the
// window's first frame.

class QPainter;
class QStyleOptionViewItem;

// `cell` is the delegate's option after initStyleOption. Returns false, having
// painted nothing, for a cell it would not paint the same way (an icon, a
// check box, wrapped, elided or several lines, an open editor, right-to-left
// text, a style sheet); the caller paints that one the usual way.
bool PaintPlainTextCell(QPainter& painter, const QStyleOptionViewItem& cell);
