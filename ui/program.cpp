#include "program.h"

#include "aboutbox.h"
#include "classes.h"
#include "mainkordalform.h"

#include <QApplication>

int RunKordal(int &Argc, char **Argv, const std::function<void(TAboutBox &)> &BeforeLoop)
{
    TClassesScope classes;
    QApplication application(Argc, Argv);
    // The program's title for the desktop (task bar, window class). Not the display name:
    // Qt would append that to every window's caption.
    QApplication::setApplicationName(
        QString::fromUtf8("Raudbetoonristlõigete dimensioneerimine (EC2)"));

    int result = 0;
    {
        TMainKordalForm mainForm;
        TAboutBox aboutBox(&mainForm);
        AboutBox = &aboutBox;
        if (BeforeLoop)
            BeforeLoop(aboutBox);
        mainForm.show();
        result = QApplication::exec();
        AboutBox = nullptr;
    }
    return result;
}
