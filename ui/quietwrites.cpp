#include "quietwrites.h"
#include "resultlabel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

void ShowText(TResultLabel *Label, const QString &Text)
{
    Label->ShowText(Text);
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

void ShowLine(TResultLabel *Label, bool Visible, const QString &Text, bool Short)
{
    ShowVisible(Label, Visible);
    ShowText(Label, Text);
    ShowShortfall(Label, Short);
}
