// The program's start-up as main() runs it (class lists, application, main window, About
// box greeting at the first show), ended as soon as the About box has been painted.
#include "aboutbox.h"
#include "classes.h"
#include "mainkordalform.h"
#include "quitafterpaint.h"

int main(int argc, char *argv[])
{
    TClassesScope classes;
    QApplication application(argc, argv);
    QApplication::setApplicationName(
        QString::fromUtf8("Raudbetoonristlõigete dimensioneerimine (EC2)"));
    int result = 0;
    {
        TMainKordalForm mainForm;
        TAboutBox aboutBox(&mainForm);
        AboutBox = &aboutBox;
        TQuitAfterPaint quit(aboutBox);
        mainForm.show();
        result = QApplication::exec();
        AboutBox = nullptr;
    }
    return result;
}
