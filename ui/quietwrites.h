// Writes to the window's widgets that change only what differs from what they show. Every
// refresh sends its texts, colours and visibility through these, so that a refresh repaints
// only the widgets whose text, colour or visibility changed (of a label's text, only the glyphs
// that changed), and moves or lays out nothing unless a text's size changed: a label's size is
// fixed to its text's, so a new text of the same size asks no layout of anything around it.
#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;
class TResultLabel;

// The label's text, its size following the text's.
void ShowText(TResultLabel *Label, const QString &Text);
// The field's text; a field already showing Text keeps its caret and selection.
void ShowText(QLineEdit *Edit, const QString &Text);
// The label's background: red for a shortfall, otherwise the face colour of buttons, the
// window's normal background.
void ShowShortfall(QLabel *Label, bool Short);
void ShowVisible(QWidget *Widget, bool Visible);
// A result line: shown or hidden, its text and its shortfall colour.
void ShowLine(TResultLabel *Label, bool Visible, const QString &Text, bool Short);
