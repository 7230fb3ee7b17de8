// Temporary: empty input handling, so the window links until the input handlers arrive.
#include "mainkordalform.h"

void TMainKordalForm::createInputConnections() {}

bool TMainKordalForm::eventFilter(QObject *Watched, QEvent *Event)
{
    return QMainWindow::eventFilter(Watched, Event);
}
