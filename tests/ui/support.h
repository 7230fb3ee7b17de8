// Helpers shared by the window tests: children by name, expected texts in the user's decimal
// separator, typing as a user types, and modal windows answered as they open.
#pragma once

#include "numformat.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

template <typename T> T *Child(const QObject *Parent, const char *Name)
{
    T *child = Parent->findChild<T *>(QLatin1String(Name));
    if (!child)
        qFatal("no child %s", Name);
    return child;
}

// Expected texts are written with a full stop between digits; the window writes the user's
// separator there ("As = 36.48" becomes "As = 36,48"), and "As,min" keeps its comma.
inline QString Localized(const QString &Text)
{
    QString text = Text;
    for (qsizetype i = text.size() - 2; i > 0; --i)
        if (text[i] == QLatin1Char('.') && text[i - 1].isDigit() && text[i + 1].isDigit())
            text.replace(i, 1, DecimalSeparator());
    return text;
}

// Clicks into the field, selects its text and types Text (points as the user's separator).
inline void TypeInto(QLineEdit *Field, QString Text)
{
    Field->window()->activateWindow(); // no window manager gives it back after a dialog
    QVERIFY(QTest::qWaitForWindowActive(Field->window()));
    QTest::mouseClick(Field, Qt::LeftButton);
    QVERIFY(Field->hasFocus());
    QTest::keyClick(Field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Field, Qt::Key_Backspace);
    for (QChar c : Text.replace(QLatin1Char('.'), DecimalSeparator()))
        QTest::sendKeyEvent(QTest::Click, Field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Answers modal windows as they open: the next one expected, by its title, with its own
// answer; any other message box with OK, its text kept; anything else is closed and
// recorded, so a test fails on a window nobody expected instead of hanging on it.
class TModals : public QObject
{
public:
    TModals()
    {
        connect(&FTimer, &QTimer::timeout, this, &TModals::Poll);
        FTimer.start(10);
    }
    void Expect(const QString &Title, std::function<void(QWidget *)> Answer)
    {
        FExpected.append({Title, std::move(Answer)});
    }
    QStringList Boxes, Unexpected;         // texts of the message boxes; titles of other windows
    std::function<void(QWidget *)> Others; // if set, answers what nobody expects

private:
    void Poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (!FExpected.isEmpty() && modal->windowTitle() == FExpected.first().first) {
            FExpected.takeFirst().second(modal);
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            Boxes << box->text();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        } else if (Others) {
            Others(modal);
        } else {
            Unexpected << modal->windowTitle();
            modal->close();
        }
    }
    QTimer FTimer;
    QList<std::pair<QString, std::function<void(QWidget *)>>> FExpected;
};
