// Ends a start-up run once a dialog has been painted: closes the dialog, then quits the
// application, so that a run measures start, first paint of the window and the dialog,
// and shutdown.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

class TQuitAfterPaint : public QObject
{
public:
    explicit TQuitAfterPaint(QDialog &Dialog) : FDialog(Dialog) { Dialog.installEventFilter(this); }

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override
    {
        if (Watched == &FDialog && Event->type() == QEvent::Paint && !FDone) {
            FDone = true;
            QTimer::singleShot(0, &FDialog, [this] {
                FDialog.done(QDialog::Accepted);
                QTimer::singleShot(0, qApp, &QApplication::quit);
            });
        }
        return false;
    }

private:
    QDialog &FDialog;
    bool FDone = false;
};
