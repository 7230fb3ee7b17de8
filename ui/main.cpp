// The program: the class lists and the two stored sections first (a section's constructor
// reads both lists), then the application, the main window and the About box; the message
// loop runs until the main window is closed. The forms go first, then the module objects.
#include "aboutbox.h"
#include "classes.h"
#include "mainkordalform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    TClassesScope classes;
    QApplication application(argc, argv);
    // The program's title for the desktop (task bar, window class). Not the display name:
    // Qt would append that to every window's caption.
    QApplication::setApplicationName(
        QString::fromUtf8("Raudbetoonristlõigete dimensioneerimine (EC2)"));

    int result = 0;
    {
        TMainKordalForm mainForm;
        TAboutBox aboutBox(&mainForm);
        AboutBox = &aboutBox;
        mainForm.show();
        result = QApplication::exec();
    }
    return result;
}
