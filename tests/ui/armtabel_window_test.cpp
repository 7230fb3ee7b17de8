// The bar selection dialog opened from the main window's "Valik>" buttons: the dialog sees
// the window's required areas, and the "Valitud" label follows the bars chosen.
#include "armtabelform.h"
#include "classes.h"
#include "mainkordalform.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace
{
} // namespace

class TArmTabelWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void valitudFollows_data()
    {
        QTest::addColumn<QString>("Button");
        QTest::addColumn<int>("D");
        QTest::addColumn<int>("Arv");
        QTest::addColumn<bool>("Confirm");
        QTest::addColumn<QString>("Opening"); // Label2 when the dialog opens
        QTest::addColumn<QString>("Label");
        QTest::addColumn<QString>("Text");
        QTest::addColumn<bool>("Red");
        const QString TensionOpens = Localized("As,req = 36.48 cm2, As,prov = 48.25 cm2");
        const QString CompressionOpens = Localized("As,req = 2.23 cm2, As,prov = 8.04 cm2");
        QTest::newRow("tension short")
            << "AsValikButton" << 12 << 2 << true << TensionOpens << "AstProvLabel"
            << Localized("Valitud tõmbearmatuur: 2 x 12, As,prov = 2.26 cm2") << true;
        QTest::newRow("tension enough")
            << "AsValikButton" << 28 << 6 << true << TensionOpens << "AstProvLabel"
            << Localized("Valitud tõmbearmatuur: 6 x 28, As,prov = 36.95 cm2") << false;
        QTest::newRow("tension cancelled")
            << "AsValikButton" << 12 << 2 << false << TensionOpens << "AstProvLabel"
            << Localized("Valitud tõmbearmatuur: 6 x 32, As,prov = 48.25 cm2") << false;
        QTest::newRow("compression short")
            << "AscValikButton" << 12 << 1 << true << CompressionOpens << "AscProvLabel"
            << Localized("Valitud survearmatuur: 1 x 12, As,prov = 1.13 cm2") << true;
        QTest::newRow("compression enough")
            << "AscValikButton" << 12 << 2 << true << CompressionOpens << "AscProvLabel"
            << Localized("Valitud survearmatuur: 2 x 12, As,prov = 2.26 cm2") << false;
    }
    void valitudFollows()
    {
        QFETCH(QString, Button);
        QFETCH(int, D);
        QFETCH(int, Arv);
        QFETCH(bool, Confirm);
        QFETCH(QString, Opening);
        QFETCH(QString, Label);
        QFETCH(QString, Text);
        QFETCH(bool, Red);
        TClassesScope Classes;
        TMainKordalForm Window;
        Window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window));

        QString Seen;
        bool Ran = false;
        QTimer::singleShot(0, this, [&] {
            auto *Form = qobject_cast<TArmTabelForm *>(QApplication::activeModalWidget());
            if (!Form)
                return;
            Ran = true;
            Seen = Form->findChild<QLabel *>("Label2")->text();
            auto *Grid = Form->findChild<QTableWidget *>("ArmStringGrid");
            QTest::mouseClick(Grid->viewport(), Qt::LeftButton, {},
                              Grid->visualItemRect(Grid->item(GridRowOf(D), Arv)).center());
            if (Confirm)
                QTest::mouseClick(Form->findChild<QPushButton *>("OKButton"), Qt::LeftButton);
            else
                Form->close();
        });
        // Watchdog: whatever stays open is closed, and the test fails.
        QTimer Watchdog;
        Watchdog.setSingleShot(true);
        connect(&Watchdog, &QTimer::timeout, this, [] {
            if (QWidget *Modal = QApplication::activeModalWidget())
                Modal->close();
        });
        Watchdog.start(10000);
        QTest::mouseClick(Window.findChild<QPushButton *>(Button), Qt::LeftButton);
        QVERIFY(Watchdog.isActive());
        QVERIFY(Ran);
        QCOMPARE(Seen, Opening);

        auto *Valitud = Window.findChild<QLabel *>(Label);
        QCOMPARE(Valitud->text(), Text);
        const QColor Background =
            Red ? QColor(255, 0, 0) : Window.palette().color(QPalette::Button);
        QCOMPARE(Valitud->palette().color(QPalette::Window), Background);
        QCOMPARE(Window.grab().toImage().pixelColor(
                     Valitud->mapTo(&Window, Valitud->rect().topLeft() + QPoint(1, 1))),
                 Background);
    }
};

QTEST_MAIN(TArmTabelWindowTest)
#include "armtabel_window_test.moc"
