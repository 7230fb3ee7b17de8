#include "comproc.h"

#include "numparse.h"

#include <QLineEdit>

void FilterNumEdit(QLineEdit *Edit)
{
    const QString text = Edit->text();
    const TNumChars &allowed = NumChars();
    qsizetype first = 0;
    while (first < text.size() && allowed.Contains(text[first]))
        ++first;
    if (first == text.size())
        return; // clean, or empty
    // Every rejected character goes in this one write. Removing one per write, with the
    // filter re-entered from each write's textChanged, gives the same text and caret but
    // nests one call per character: a pasted page of text overflowed the stack.
    QString clean = text.left(first);
    for (qsizetype i = first + 1; i < text.size(); ++i)
        if (allowed.Contains(text[i]))
            clean += text[i];
    Edit->setText(clean); // raises textChanged; the filter finds the text clean
    Edit->setCursorPosition(static_cast<int>(first));
}
