// The program's start-up as main() runs it (class lists, application, main window, About
// box greeting at the first show), ended as soon as the About box has been painted.
#include "aboutbox.h"
#include "program.h"
#include "quitafterpaint.h"

#include <memory>

int main(int argc, char *argv[])
{
    std::unique_ptr<TQuitAfterPaint> quit;
    return RunKordal(
        argc, argv, [&quit](TAboutBox &About) { quit = std::make_unique<TQuitAfterPaint>(About); });
}
