#include "quietwrites.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

void ShowText(QLabel *Label, const QString &Text)
{
    if (Label->text() == Text && Label->minimumSize() == Label->maximumSize())
        return;
    Label->setText(Text);
    const QSize size = Label->sizeHint();
    // A fixed size makes the label's own geometry change no concern of any layout until the
    // size itself changes.
    if (Label->minimumSize() != size || Label->maximumSize() != size)
        Label->setFixedSize(size);
}

void ShowText(QLineEdit *Edit, const QString &Text)
{
    if (Edit->text() != Text)
        Edit->setText(Text);
}

void ShowShortfall(QLabel *Label, bool Short)
{
    const QColor colour =
        Short ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::Button);
    if (Label->palette().color(QPalette::Window) == colour)
        return;
    QPalette palette = Label->palette();
    palette.setColor(QPalette::Window, colour);
    Label->setPalette(palette);
}

void ShowVisible(QWidget *Widget, bool Visible)
{
    if (Widget->isHidden() == Visible)
        Widget->setVisible(Visible);
}

void ShowLine(QLabel *Label, bool Visible, const QString &Text, bool Short)
{
    ShowVisible(Label, Visible);
    ShowText(Label, Text);
    ShowShortfall(Label, Short);
}
