// Times the window's reactions as a user sees them, offscreen: from the key or click to
// the end of the repaint it causes. Prints one line per case: name, runs, median and 95th
// percentile in microseconds.
//   window_bench [RUNS, default 500] [CASE: only the cases whose names start so, for a profile]
#include "aboutbox.h"
#include "classes.h"
#include "mainkordalform.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;
QByteArray Only; // the prefix of the cases to run; empty: all

// Runs Action Runs times, each followed by the events and the repaint it posted.
void Measure(const char *Name, int Runs, const std::function<void(int)> &Action)
{
    if (!QByteArray(Name).startsWith(Only))
        return;
    std::vector<double> us;
    us.reserve(static_cast<std::size_t>(Runs));
    for (int i = 0; i < Runs; ++i) {
        const auto start = Clock::now();
        Action(i);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(us.begin(), us.end());
    std::printf("%-28s %6d %10.1f %10.1f\n", Name, Runs, us[us.size() / 2],
                us[us.size() * 95 / 100]);
}

template <typename T> T *Child(QWidget &Parent, const char *Name)
{
    auto *child = Parent.findChild<T *>(QString::fromLatin1(Name));
    if (!child)
        qFatal("no widget %s", Name);
    return child;
}

// A numeric field left by Enter: store with range check, SetRLValues, SetResults, repaint.
void FieldExit(TMainKordalForm &Form, const char *Name, const char *Field, const char *A,
               const char *B, int Runs)
{
    auto *edit = Child<QLineEdit>(Form, Field);
    Measure(Name, Runs, [&](int i) {
        edit->setFocus();
        edit->setText(QString::fromLatin1(i % 2 ? A : B));
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TClassesScope classes;
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(20, std::atoi(argv[1])) : 500;
    Only = argc > 2 ? QByteArray(argv[2]) : QByteArray();

    TMainKordalForm form; // no About box: AboutBox stays null
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        qFatal("the window did not become active");

    std::printf("%-28s %6s %10s %10s\n", "case", "runs", "median_us", "p95_us");
    FieldExit(form, "refresh.rectangle.h", "hEdit", "500", "600", runs);
    FieldExit(form, "refresh.rectangle.Msd", "MsdEdit", "400", "550", runs);

    auto *concrete = Child<QComboBox>(form, "BetKlComboBox");
    Measure("class.concrete", runs, [&](int i) {
        concrete->setFocus();
        QTest::keyClick(concrete, i % 2 ? Qt::Key_Up : Qt::Key_Down);
    });

    auto *tabs = Child<QTabWidget>(form, "RLPageControl");
    QTabBar *bar = tabs->tabBar();
    Measure("switch.tab", runs, [&](int i) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i % 2 ? 0 : 1).center());
    });
    if (tabs->currentIndex() != 1)
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    FieldExit(form, "refresh.ribbed.h", "hEditRPL", "500", "600", runs);
    FieldExit(form, "refresh.ribbed.Msd", "MsdEdit", "400", "550", runs);

    auto *valik = Child<QPushButton>(form, "AsValikButton");
    Measure("bardialog.choose.ok", std::max(20, runs / 10), [&](int i) {
        QTimer::singleShot(0, [i] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                qFatal("the bar dialog did not open");
            QWidget *grid = dialog->focusWidget() ? dialog->focusWidget() : dialog;
            QTest::keyClick(grid, i % 2 ? Qt::Key_Left : Qt::Key_Right);
            QTest::keyClick(grid, Qt::Key_Return);
        });
        QTest::mouseClick(valik, Qt::LeftButton);
    });
    return 0;
}
