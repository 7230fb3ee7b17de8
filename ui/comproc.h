// The numeric input fields' character filter (the characters are those of numparse.h).
#pragma once

class QLineEdit;

// Removes every character that is not in NumChars() and writes the text back, with the
// caret where the first removed character stood. Connect it to the field's textChanged:
// the write raises that signal again and the filter then finds the text clean.
void FilterNumEdit(QLineEdit *Edit);
