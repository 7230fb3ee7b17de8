// The toolkit's floor: an empty main window that opens an empty modal dialog when first
// shown, ended as soon as the dialog has been painted.
#include "quitafterpaint.h"

#include <QMainWindow>

namespace
{
class TFloorWindow : public QMainWindow
{
public:
    QDialog Dialog{this};

protected:
    void showEvent(QShowEvent *Event) override
    {
        QMainWindow::showEvent(Event);
        QMetaObject::invokeMethod(&Dialog, &QDialog::exec, Qt::QueuedConnection);
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    TFloorWindow window;
    window.resize(756, 553);
    window.Dialog.resize(334, 193);
    TQuitAfterPaint quit(window.Dialog);
    window.show();
    return QApplication::exec();
}
