// The main window as a user meets it, one story at a time, with real key and mouse events,
// and a randomised soak of it. Runs under a full-stop and a comma locale; expected numbers
// are written with a full stop. The stories are in Estonian but one, in English and back.
#include "aboutbox.h"
#include "classes.h"
#include "drawingview.h"
#include "language.h"
#include "mainkordalform.h"
#include "quietwrites.h"
#include "resultlabel.h"
#include "rplristloige.h"
#include "support.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStaticText>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

template <typename T> T *Child(const QObject *Parent, const char *Name)
{
    T *child = Parent->findChild<T *>(QLatin1String(Name));
    return child ? child : (qFatal("no child %s", Name), nullptr);
}

// Clicks into the field, selects its text and types Text (points as the user's separator).
void TypeInto(QLineEdit *Field, QString Text)
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

class TWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TClassesScope> FClasses;
    std::unique_ptr<TMainKordalForm> FForm;
    // Modal windows answered as they open, a message box's text kept in Boxes: the next one
    // expected, by its title; other boxes with OK; others by Others, else closed as Unexpected.
    QTimer FWatch;
    QList<std::pair<QString, std::function<void(QWidget *)>>> FExpected;
    QStringList Boxes, Unexpected;
    std::function<void(QWidget *)> Others;
    void Expect(const QString &Title, std::function<void(QWidget *)> Answer)
    {
        FExpected.append({Title, std::move(Answer)});
    }
    void AnswerModal()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box)
            Boxes << box->text();
        if (!FExpected.isEmpty() && modal->windowTitle() == FExpected.first().first)
            FExpected.takeFirst().second(modal);
        else if (box)
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        else if (Others)
            Others(modal);
        else
            Unexpected << modal->windowTitle(), modal->close();
    }

    template <typename T = QWidget> T *W(const char *Name) const
    {
        return Child<T>(FForm.get(), Name);
    }
    QLineEdit *Edit(const char *Name) const { return W<QLineEdit>(Name); }
    // The texts of the named labels, fields or lists, joined by "|".
    QString Texts(std::initializer_list<const char *> Names) const
    {
        QStringList texts;
        for (const char *name : Names)
            texts << W(name)
                         ->property(qobject_cast<QComboBox *>(W(name)) ? "currentText" : "text")
                         .toString();
        return texts.join(QLatin1Char('|'));
    }
    // Every line as shown is the line drawn afresh, a repaint of only the glyphs that changed
    // having left no pixel of what was there before; and a line drawn is its text laid out
    // unshaped in its font (QStaticText), on its own background, where the label puts it.
    void LinesAsDrawn() const
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        const QImage shown = FForm->screen()->grabWindow(FForm->winId()).toImage(),
                     drawn = FForm->grab().toImage();
        for (TResultLabel *line : FForm->findChildren<TResultLabel *>()) {
            if (!line->isVisible())
                continue;
            const QRect at(line->mapTo(FForm.get(), QPoint()), line->size()),
                box = line->contentsRect();
            QFont plain = line->font();
            plain.setStyleStrategy(QFont::PreferNoShaping);
            QStaticText laid(line->text());
            laid.prepare(QTransform(), plain);
            // As wide as the text needs: a label narrower than its text fails.
            const int width = std::max(line->width(), box.left() + qCeil(laid.size().width()));
            QImage own(width, line->height(), QImage::Format_ARGB32_Premultiplied), text = own;
            own.fill(Qt::transparent);
            text.fill(line->autoFillBackground() ? line->palette().color(QPalette::Window)
                                                 : QColor(Qt::transparent));
            line->render(&own, {}, {}, {});
            QPainter painter(&text);
            painter.setFont(plain);
            painter.setPen(line->palette().color(QPalette::WindowText));
            painter.drawStaticText(box.left(),
                                   box.top() + (box.height() - laid.size().height()) / 2, laid);
            QVERIFY2(shown.copy(at).convertToFormat(QImage::Format_RGB32) ==
                             drawn.copy(at).convertToFormat(QImage::Format_RGB32) &&
                         own == text,
                     qPrintable(line->objectName() + ": " + line->text()));
        }
    }
    // Each group box, its picture stretched from a small one, each caption, its picture kept,
    // and each field, its panel kept, paints what the style draws. Through a picture a shade
    // may round otherwise, by a unit or two of 255.
    void KeptAsStyled() const
    {
        const auto image = [](QWidget *W) {
            QImage image(W->size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            W->render(&image, {}, {}, {});
            return image;
        };
        const auto same = [](const QImage &Kept, const QImage &Drawn, const QString &Name) {
            int worst = 0;
            for (qsizetype i = 0; i < Kept.sizeInBytes(); ++i)
                worst = std::max(worst, std::abs(Kept.constBits()[i] - Drawn.constBits()[i]));
            QVERIFY2(worst <= 2, qPrintable(Name + QString::number(worst)));
        };
        // What Qt's own box or label shows in W's place: alone where W lets what is beneath
        // show through, and where W is opaque, over Qt's own boxes and the tabs' pane beneath
        // it and the window's background. The twins are hidden, in the same window.
        const auto drawn = [&](QWidget *W) {
            const bool opaque = W->testAttribute(Qt::WA_OpaquePaintEvent);
            QImage drawn(W->size(), QImage::Format_ARGB32_Premultiplied);
            drawn.fill(opaque ? FForm->palette().color(QPalette::Window) : Qt::transparent);
            QList<QWidget *> stack{W};
            for (QWidget *w = W->parentWidget(); opaque && w != FForm.get(); w = w->parentWidget())
                if (qobject_cast<QGroupBox *>(w) || qobject_cast<QTabWidget *>(w))
                    stack.prepend(w);
            for (QWidget *at : stack) {
                std::unique_ptr<QWidget> twin;
                if (qobject_cast<QTabWidget *>(at)) {
                    at->render(&drawn, -W->mapTo(at, QPoint()), {}, {}); // its pane
                    continue;
                }
                if (auto *box = qobject_cast<QGroupBox *>(at)) {
                    twin = std::make_unique<QGroupBox>(box->title(), box->parentWidget());
                } else {
                    auto *label = static_cast<QLabel *>(at);
                    auto plain = std::make_unique<QLabel>(label->text(), label->parentWidget());
                    plain->setAlignment(label->alignment());
                    twin = std::move(plain);
                }
                twin->setFont(at->font());
                twin->resize(at->size());
                twin->render(&drawn, -W->mapTo(at, QPoint()), {}, {});
            }
            return drawn;
        };
        const QList<QGroupBox *> boxes = FForm->findChildren<QGroupBox *>();
        QList<QWidget *> kept(boxes.begin(), boxes.end());
        int opaqueCaptions = 0;
        for (QLabel *label : FForm->findChildren<QLabel *>())
            if (label->inherits("TCaptionLabel"))
                kept << label, opaqueCaptions += label->testAttribute(Qt::WA_OpaquePaintEvent);
        QVERIFY(W("GroupBox1")->testAttribute(Qt::WA_OpaquePaintEvent) &&
                W("RKGroupBox")->testAttribute(Qt::WA_OpaquePaintEvent) &&
                W("AsGroupBox")->testAttribute(Qt::WA_OpaquePaintEvent) && opaqueCaptions > 10);
        for (QWidget *widget : kept) {
            const QImage shown = image(widget); // first: a paint decides whether it is opaque
            same(shown, drawn(widget), widget->objectName());
        }
        for (QLineEdit *field : FForm->findChildren<QLineEdit *>()) {
            QStyle *kept = field->style();
            const QImage cached = image(field);
            field->setStyle(nullptr); // the program's style, as it draws
            same(cached, image(field), field->objectName());
            field->setStyle(kept);
        }
    }
    static bool Red(const QWidget *W) { return W->palette().color(QPalette::Window) == Qt::red; }
    bool Red(const char *Name) const { return Red(W(Name)); }
    TRistLoige &RL() const { return FForm->CurrentSection(); }
    void Enter(const char *Name, const QString &Typed, Qt::Key Leave = Qt::Key_Tab)
    {
        TypeInto(Edit(Name), Typed);
        QTest::keyClick(Edit(Name), Leave);
    }
    void Press(Qt::Key Key, Qt::KeyboardModifiers Modifiers) // a shortcut, in the active window
    {
        FForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FForm.get()));
        QTest::keyClick(FForm.get(), Key, Modifiers);
    }
    // Nothing clipped, on a screen of 1366 x 768 with a title bar and a panel: every label as
    // wide as its text, within its group and clear of the fields and lists beside it.
    void NothingClipped() const
    {
        QVERIFY(FForm->width() <= 1340 && FForm->height() <= 700);
        for (const QLabel *label : W("GroupBox1")->findChildren<QLabel *>()) {
            if (!label->isVisible())
                continue;
            QVERIFY2(label->width() >= label->sizeHint().width() &&
                         label->parentWidget()->rect().contains(label->geometry()),
                     qPrintable(label->objectName()));
            for (const QWidget *field :
                 label->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                QVERIFY2(qobject_cast<const QLabel *>(field) || !field->isVisible() ||
                             !field->geometry().intersects(label->geometry()),
                         qPrintable(label->objectName() + " under " + field->objectName()));
        }
    }
    // Every text a user reads (captions, titles, hints, lists, tabs, menus), after its object.
    static QStringList AllTexts()
    {
        QStringList texts;
        for (QWidget *window : QApplication::topLevelWidgets())
            for (QObject *o : window->findChildren<QObject *>() + QObjectList{window}) {
                QStringList own;
                for (const char *p :
                     {"text", "title", "windowTitle", "toolTip", "statusTip", "accessibleName"})
                    own << o->property(p).toString();
                for (auto *list = qobject_cast<QComboBox *>(o);
                     list && own.size() < 6 + list->count();)
                    own << list->itemText(own.size() - 6);
                for (auto *tabs = qobject_cast<QTabWidget *>(o);
                     tabs && own.size() < 6 + tabs->count();)
                    own << tabs->tabText(own.size() - 6);
                texts << o->objectName() + ": " + own.join(" | ");
            }
        return texts;
    }
    void ClickTab(int Index)
    {
        QTabBar *bar = W<QTabWidget>("RLPageControl")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(Index).center());
    }
    // Opens a layer's bar dialog with Button; In looks at the dialog and its grid, then the
    // cell of Count bars of the Row-th diameter is clicked and the dialog closed with Close.
    void ChooseBars(const char *Button, int Count, int Row, Qt::Key Close,
                    std::function<void(QWidget *, QTableWidget *)> In = {})
    {
        Expect(QStringLiteral("Armatuuri valik"), [=](QWidget *Dialog) {
            auto *grid = Child<QTableWidget>(Dialog, "ArmStringGrid");
            if (In)
                In(Dialog, grid);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualItemRect(grid->item(Row, Count)).center());
            QTest::keyClick(grid, Close);
        });
        QTest::mouseClick(W(Button), Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        connect(&FWatch, &QTimer::timeout, this, &TWindowTest::AnswerModal);
        FWatch.start(1);
    }
    void init()
    {
        FExpected.clear(), Boxes.clear(), Unexpected.clear(), Others = {};
        FClasses = std::make_unique<TClassesScope>();
        FForm = std::make_unique<TMainKordalForm>();
        FForm->show();
        FForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FForm.get()));
    }
    void cleanup()
    {
        UseLanguage(TLanguage::Estonian);
        QSettings(QStringLiteral("Kordal"), QStringLiteral("Kordal")).clear();
        FForm.reset();
        FClasses.reset();
        QVERIFY2(Unexpected.isEmpty(), qPrintable(Unexpected.join(", ")));
    }
    void startsOnTheDefaultRectangle();
    void typedValuesAreCheckedAndStored();
    void classesAndShapes();
    void barDialogChoosesTheBars();
    void barRowsAndTheMember();
    void filesKeepTheWork();
    void aboutBoxAndExit();
    void languageChoice();
    void englishAtOnce();
    void linesRepaintWhatChanged();
    void randomUse();
};

void TWindowTest::startsOnTheDefaultRectangle()
{
    QCOMPARE(FForm->objectName() + FForm->windowTitle(),
             QString::fromUtf8("MainKordalFormRaudbetoonristlõigete dimensioneerimine (EVS-EN "
                               "1992-1-1:2007)"));
    QCOMPARE(FForm->minimumSize(), FForm->maximumSize()); // not resizable
    QVERIFY(!FForm->IsRibbedSlab() && W("RKTabSheet")->isVisible());
    QCOMPARE(Texts({"hEdit", "bEdit", "MsdEdit", "aEdit", "apEdit", "fckLabel", "fcdLabel",
                    "gcLabel", "alfaLabel", "AfykLabel", "AfydLabel", "AgsLabel", "YEsLabel"}),
             Localized("500.0|400.0|550.00|45.0|40.0|fck = 25.0 MPa|fcd = 16.7 MPa|gc = 1.50|"
                       "alfa,cc = 1.00|fyk = 500.0 MPa|fyd = 434.78 MPa|gs = 1.15|Es = 200.0 GPa"));
    // Serviceability and shear of the default bars and links, worked in the engine's tests.
    QCOMPARE(Texts({"EcmLabel", "VaheLabel", "PingeLabel", "PraguLabel", "VRdcLabel", "AswLabel",
                    "RangLabel"}),
             Localized("Ecm = 31.5 GPa,  Ec,eff = 10.5 GPa|Varraste vaba vahe   tõmbes 30.0 mm "
                       "< 32.0 mm,  survel 90.7 mm ≥ 21.0 mm|Pinged   σc = 24.3 MPa,  σs = 211.0 "
                       "MPa ≤ 400.0 MPa,  σc,qp = 12.2 MPa > 11.25 MPa|Pragude laius   wk = 0.10 "
                       "mm ≤ 0.40 mm  (sr,max = 134 mm,  σs,qp = 165.5 MPa)|Betooni "
                       "nihkekandevõime   VRd,c = 133.80 kN,  vaja põikarmatuuri|Vajalik "
                       "põikarmatuur   Asw/s = 4.49 cm2/m,  cotθ = 2.50,  VRd,max = 508.34 "
                       "kN|Valitud rangid: ø8, n = 2, s = 200 mm, Asw/s = 5.03 cm2/m,  VRd,s = "
                       "223.74 kN"));
    QVERIFY(!Red("AstProvLabel") && !Red("AscProvLabel") && !Red("MRdLabel") && Red("VaheLabel") &&
            Red("PingeLabel") && !Red("PraguLabel") && !Red("VRdcLabel") && !Red("AswLabel") &&
            !Red("RangLabel"));
    NothingClipped();
    // A hint is a control's tooltip, status tip and accessible name; hovering shows it.
    QLineEdit *msd = Edit("MsdEdit");
    QTest::mouseMove(msd);
    QTRY_COMPARE(msd->toolTip() + msd->statusTip() + msd->accessibleName() +
                     FForm->statusBar()->currentMessage(),
                 QStringLiteral("Arvutuslik paindemoment Msd (kNm)").repeated(4));
    KeptAsStyled();
    // A caption kept as drawn shows a new text of its size too.
    W<QLabel>("kNmLabel1")->setText(QStringLiteral("mkN"));
    KeptAsStyled();
}

void TWindowTest::typedValuesAreCheckedAndStored()
{
    // Enter steps on, skipping the compression inputs while none are needed; results follow.
    Enter("MsdEdit", QStringLiteral("400"), Qt::Key_Return);
    QCOMPARE(Texts({"AstLabel"}), Localized("Arvutuslik tõmbearmatuur   As = 24.53 cm2"));
    QVERIFY(!W("AscLabel")->isVisible() && !W("YArmKlGroupBox")->isVisible());
    QStringList steps;
    for (QWidget *w = W("hEdit"); steps.size() < 21; steps << w->objectName())
        QTest::keyClick(w, Qt::Key_Return), w = QApplication::focusWidget();
    QCOMPARE(steps.join(' '),
             QStringLiteral("bEdit MsdEdit BetKlComboBox AArmKlComboBox aEdit "
                            "MkEdit MqpEdit KeskkondComboBox KasutusigaComboBox "
                            "DcdevEdit FiEdit DgEdit VsdEdit RangKlComboBox "
                            "RangDComboBox RangHaradEdit RangSammEdit AvaEdit "
                            "SkeemComboBox VaheseinadCheckBox qt_tabwidget_tabbar"));
    // Only digits, minus and the separator get in; the value is stored on leaving the field.
    Enter("bEdit", QString::fromUtf8("3x0 0+eõ"));
    QCOMPARE(RL().b, 0.3);
    QCOMPARE(Edit("bEdit")->text(), Localized("300.0"));
    Enter("bEdit", QStringLiteral("300")); // the value it had: shown as the others are
    QCOMPARE(Edit("bEdit")->text(), Localized("300.0"));
    // Out of bounds: the warning names them, the previous value comes back selected.
    Enter("hEdit", QStringLiteral("2500"));
    QCOMPARE(Boxes, QStringList{QString::fromUtf8("Ristlõike kõrgus peaks olema arv: ") +
                                Localized("0.0..2000.0")});
    QTRY_VERIFY(Edit("hEdit")->hasFocus());
    QCOMPARE(Edit("hEdit")->selectedText(), Localized("500.0"));
    // The covers' bound follows the height; a bound typed exactly is within it.
    Enter("hEdit", QStringLiteral("300.1"));
    Enter("aEdit", QStringLiteral("150.06"));
    Enter("apEdit", QStringLiteral("150.05"));
    QCOMPARE(Boxes.last(), QString::fromUtf8("Arvutuslik kaitsekiht peaks olema arv: ") +
                               Localized("0.0..150.05"));
    QCOMPARE(RL().a + RL().h, 0.045 + 0.3001);
    QCOMPARE(RL().ap * 1000, 150.05);
    // A section that cannot be designed says why, with no figures.
    Enter("bEdit", QStringLiteral("0"));
    QCOMPARE(Texts({"AstLabel"}),
             QString::fromUtf8("Ristlõiget ei saa arvutada: kontrolli mõõtmeid"));
    QVERIFY(!W("MRdLabel")->isVisible());
}

void TWindowTest::classesAndShapes()
{
    for (auto [box, key] : {std::pair{"BetKlComboBox", Qt::Key_Down},
                            {"AArmKlComboBox", Qt::Key_Up},
                            {"BetKlComboBox", Qt::Key_Up},
                            {"YArmKlComboBox", Qt::Key_Up},
                            {"KeskkondComboBox", Qt::Key_End},
                            {"RangKlComboBox", Qt::Key_End},
                            {"RangDComboBox", Qt::Key_End}}) {
        W(box)->setFocus();
        QTest::keyClick(W(box), key);
        if (QByteArray(box) == "AArmKlComboBox") // C30/37: 615.65 kNm need no compression steel
            QCOMPARE(
                Texts({"fckLabel", "AfydLabel", "EcmLabel"}),
                Localized("fck = 30.0 MPa|fyd = 347.83 MPa|Ecm = 32.8 GPa,  Ec,eff = 10.9 GPa"));
    }
    // A400 both ways: limit 540.51 kNm, As' = (550 - 540.51) / (0.415 * 347.83) = 0.66 cm2.
    QCOMPARE(Texts({"AscLabel", "YfydLabel"}),
             Localized("Arvutuslik survearmatuur   As' = 0.66 cm2|fyd = 347.83 MPa"));
    // The lists' last entries: XS3 (wmax 0.3 mm), S235 links of 16 mm: 2 x 201.06 / 200 =
    // 20.11 cm2/m, VRd,s = 2.0106 x 409.5 x 204.35 x 2.5 = 420.62 kN.
    QVERIFY(Texts({"PraguLabel"}).contains(Localized(" 0.30 mm")) &&
            Texts({"RangLabel"})
                .endsWith(Localized("ø16, n = 2, s = 200 mm, Asw/s = 20.11 "
                                    "cm2/m,  VRd,s = 420.62 kN")));
    // The tabs keep each shape's inputs; a field typed into is stored as a tab takes the focus.
    ClickTab(1);
    QCOMPARE(Texts({"hEditRPL", "bEditRPL", "hfEdit", "bwEdit", "MsdEdit", "AstLabel",
                    "KeskkondComboBox", "RangKlComboBox", "RangDComboBox"}),
             Localized("500.0|600.0|100.0|200.0|550.00|Arvutuslik tõmbearmatuur   As = 33.85 "
                       "cm2|XC1|A500|8"));
    // The default slab's web carries at most 368.55 kN; links 400 mm apart exceed 0.75 d.
    Enter("VsdEdit", QStringLiteral("600"));
    Enter("RangSammEdit", QStringLiteral("400"));
    QCOMPARE(Texts({"VRdcLabel", "AswLabel", "RangLabel"}),
             Localized("Betooni nihkekandevõime   VRd,c = 66.90 kN,  vaja põikarmatuuri|Ristlõige "
                       "on nihkele liiga väike: Vsd > VRd,max = 368.55 kN|Valitud rangid: ø8, n = "
                       "2, s = 400 mm, Asw/s = 2.51 cm2/m"));
    QVERIFY(Red("AswLabel") && Red("RangLabel") && !Red("VRdcLabel"));
    Enter("VsdEdit", QStringLiteral("200"));
    QVERIFY(Texts({"RangLabel"}).endsWith(Localized(",  s > 0.75d = 341 mm")));
    TypeInto(Edit("hfEdit"), QStringLiteral("150"));
    ClickTab(0);
    QCOMPARE(Texts({"KeskkondComboBox", "RangKlComboBox", "RangDComboBox"}) +
                 QString::fromStdString(RL().AArmKlass.Name + RL().YArmKlass.Name),
             QStringLiteral("XS3|S235|16A400A400"));
    ClickTab(1);
    QCOMPARE(Edit("hfEdit")->text(), Localized("150.0"));
    QVERIFY(FForm->IsRibbedSlab() && dynamic_cast<TRPLRistLoige *>(&RL()));
    // The section menu shows a shape as it was last saved: the moment typed here is dropped.
    Enter("MsdEdit", QStringLiteral("300"));
    for (Qt::Key item : {Qt::Key_R, Qt::Key_P}) { // Alt+R, then the item's letter
        QTest::keyClick(FForm.get(), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), item);
        QTRY_COMPARE(W<QTabWidget>("RLPageControl")->currentIndex(), item == Qt::Key_P ? 1 : 0);
    }
    QCOMPARE(Texts({"MsdEdit", "hfEdit"}), Localized("550.00|150.0"));
}

void TWindowTest::barRowsAndTheMember()
{
    // 6 x 32 in two rows of 3 at a = 90: sv = 32, o = 64 x 3 / 6 = 32, e = 58 mm; the outer row's
    // gap (400 - 116) / 2 - 32 = 110 mm, the bars' cover 58 - 16 = 42, the links' 42 - 8 = 34 mm.
    for (const char *box : {"ARidadComboBox", "KasutusigaComboBox", "SkeemComboBox"}) {
        W(box)->setFocus();
        QTest::keyClick(W(box), Qt::Key_Down);
    }
    QTest::mouseClick(W("VaheseinadCheckBox"), Qt::LeftButton);
    Enter("AvaEdit", QStringLiteral("8"));
    QCOMPARE(RL().Ava, (TMemberInputs{8.0, TSupport::EndSpan, true}));
    // 100 years lift XC1 from S4 to S6: cmin,dur = 25 mm, the links need 25 + 10 = 35 mm, the
    // bars max(32, 25) + 10 = 42 (on its limit: passes); a >= 32 + 16 + max(42, 35 + 8) = 91.
    Enter("aEdit", QStringLiteral("90"));
    QCOMPARE(Texts({"VaheLabel", "KaitseLabel", "KonstrKlassLabel"}),
             Localized("Varraste vaba vahe   tõmbes 2 rida: 110.0 mm ≥ 32.0 mm,  survel 90.7 mm ≥ "
                       "21.0 mm|Kaitsekiht   tõmbes: rangini 34.0 mm < 35.0 mm,  vardani 42.0 mm "
                       "≥ 42.0 mm  (a ≥ 91.0 mm)|Konstruktsiooniklass S6,  cmin,dur = 25 mm"));
    QVERIFY(!Red("VaheLabel") && Red("KaitseLabel") && !W("RibiNihkeLabel")->isVisible());
    // The ribbed slab keeps its own inputs; at Vsd = 900 its flange is too thin for the shear.
    ClickTab(1);
    QCOMPARE(Texts({"ARidadComboBox", "KasutusigaComboBox", "SkeemComboBox", "AvaEdit"}),
             Localized("1 rida|50 aastat|lihttala|6.00"));
    Enter("VsdEdit", QStringLiteral("900"));
    QVERIFY(
        Texts({"RibiNihkeLabel"}).endsWith(Localized("liiga õhuke: vEd = 4.98 MPa > 4.50 MPa")) &&
        Red("RibiNihkeLabel"));
    ClickTab(0);
    QCOMPARE(Texts({"ARidadComboBox", "KasutusigaComboBox", "AvaEdit"}),
             Localized("2 rida|100 aastat|8.00"));
}

void TWindowTest::barDialogChoosesTheBars()
{
    // The grid marks the areas short of the requirement, here exactly what 3 x 20 provide:
    // equal is no shortfall. The dialog opens on the layer's bars (6 x 32), every cell whole
    // without scrolling, in a font larger than its design's, and on the offscreen screen of
    // 800 x 800, too narrow for its place; the margins around the table and OK stay as designed,
    // OK 5 px left of the table's middle. Bars that cannot lie in one row are greyed.
    qApp->setStyleSheet(QStringLiteral("QTableView { font: 10pt 'DejaVu Sans'; }"));
    RL().AArmatuur.AsReq = BarArea(3, 20);
    ChooseBars("AsValikButton", 2, 4, Qt::Key_Return, [](QWidget *Dialog, QTableWidget *Grid) {
        const QColor grey = Grid->palette().color(QPalette::Disabled, QPalette::Text);
        QCOMPARE(Grid->item(12, 6)->toolTip() + Grid->item(10, 4)->toolTip(),
                 Localized("ei mahu ühte ritta: vaba vahe 30.0 mm < 32.0 mm"));
        QVERIFY(Grid->item(12, 6)->foreground().color() == grey &&
                Grid->item(10, 4)->foreground().color() != grey);
        auto *label = Child<QLabel>(Dialog, "Label2");
        auto at = [&] { return Grid->currentRow() * 100 + Grid->currentColumn(); };
        QCOMPARE(Dialog->objectName() + Grid->item(0, 0)->text() + Grid->item(0, 10)->text() +
                     Grid->item(14, 0)->text() + Grid->item(8, 3)->text() +
                     Grid->item(8, 2)->text(),
                 Localized("ArmTabelFormD \\ Arv10409.42x 6.28"));
        QCOMPARE(at(), 1206);
        QCOMPARE(label->text(), Localized("As,req = 9.42 cm2, As,prov = 48.25 cm2"));
        QCOMPARE(Grid->horizontalScrollBar()->maximum() + Grid->verticalScrollBar()->maximum(), 0);
        const QRect ok = Child<QPushButton>(Dialog, "OKButton")->geometry(),
                    table = Grid->geometry();
        QVERIFY(Dialog->width() - table.right() == 20 && Dialog->height() - ok.bottom() == 40 &&
                ok.top() - table.bottom() == 11 &&
                qAbs(ok.center().x() - table.center().x() + 5) <= 1);
        QVERIFY(Dialog->screen()->availableGeometry().contains(Dialog->frameGeometry()));
        // The fixed column and row are no cells to choose; a shortfall shows red.
        for (Qt::Key key : {Qt::Key_Home, Qt::Key_Left, Qt::Key_PageUp, Qt::Key_Up})
            QTest::keyClick(Grid, key);
        QCOMPARE(at(), 101);
        QCOMPARE(label->text(), Localized("As,req = 9.42 cm2, As,prov = 0.28 cm2"));
        QVERIFY(Red(label) && !(Grid->item(1, 1)->flags() & Qt::ItemIsEditable));
        for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Down, Qt::Key_End})
            QTest::keyClick(Grid, key);
        QCOMPARE(at(), 1410);
    });
    // 2 x 12 yield: 5.3333 x + 8.0425e-4 700 (x - 0.04) / x = 2.2619e-4 434.78 gives x =
    // 0.0347, the top bars pulled at 108 MPa; MRd = 0.1849 (d - 0.4 x) - 0.0866 (d - d2).
    QCOMPARE(Texts({"AstProvLabel", "MRdLabel"}),
             Localized("Valitud tõmbearmatuur: 2 x 12, As,prov = 2.26 cm2|Kandevõime valitud "
                       "armatuuriga   MRd = 45.65 kNm,  Msd/MRd = 12.05"));
    QVERIFY(Red("AstProvLabel") && Red("MRdLabel"));
    // Bars not of the table (none of 7 mm) open on the first cell; a cancel changes nothing.
    // The compression layer's dialog asks for As' = 2.23 cm2.
    RL().YArmatuur.D = 7;
    RL().YArmatuur.Arv = 0;
    ChooseBars("AscValikButton", 8, 14, Qt::Key_Escape, [](QWidget *Dialog, QTableWidget *Grid) {
        QCOMPARE(Grid->currentRow() * 100 + Grid->currentColumn(), 101);
        QVERIFY(Child<QLabel>(Dialog, "Label2")->text().startsWith(Localized("As,req = 2.23 ")));
    });
    QCOMPARE(RL().YArmatuur.D * 100 + RL().YArmatuur.Arv, 700);
    ChooseBars("AscValikButton", 5, 6, Qt::Key_Return); // 5 x 16
    QCOMPARE(Texts({"AstProvLabel", "AscProvLabel"}),
             Localized("Valitud tõmbearmatuur: 2 x 12, As,prov = 2.26 cm2|Valitud survearmatuur: "
                       "5 x 16, As,prov = 10.05 cm2"));
    QVERIFY(!Red("AscProvLabel"));
    qApp->setStyleSheet({});
    // 4 x 25: (400 - 90) / 3 - 25 = 78.3 mm apart; the five top bars (400 - 80) / 4 - 16 = 64.
    ChooseBars("AsValikButton", 4, 10, Qt::Key_Return);
    QCOMPARE(Texts({"AstProvLabel", "VaheLabel"}),
             Localized("Valitud tõmbearmatuur: 4 x 25, As,prov = 19.63 cm2|Varraste vaba vahe   "
                       "tõmbes 78.3 mm ≥ 25.0 mm,  survel 64.0 mm ≥ 21.0 mm"));
    QVERIFY(!Red("VaheLabel"));
}
void TWindowTest::filesKeepTheWork()
{
    QTemporaryDir dir;
    const QString title = FForm->windowTitle();
    auto fileDialog = [&](const char *Name) {
        return [&, Name](QWidget *Dialog) {
            Child<QLineEdit>(Dialog, "fileNameEdit")->setText(dir.filePath(Name));
            QTest::keyClick(Child<QLineEdit>(Dialog, "fileNameEdit"), Qt::Key_Return);
        };
    };
    auto question = [this](const char *Answer) {
        Expect(QString::fromUtf8("Salvestamata muudatused"), [Answer](QWidget *Box) {
            for (QAbstractButton *button : Box->findChildren<QAbstractButton *>())
                if (button->text() == QString::fromUtf8(Answer))
                    QTest::mouseClick(button, Qt::LeftButton);
        });
    };
    ClickTab(1);
    Enter("hfEdit", QStringLiteral("120"));
    Expect(QStringLiteral("Salvesta kui"), fileDialog("tala")); // .kordal is added
    Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(FForm->windowTitle(), title + QString::fromUtf8(" – tala.kordal[*]"));
    QVERIFY(!FForm->isWindowModified() && QFile::exists(dir.filePath("tala.kordal")));
    // A moment typed and not yet confirmed is part of the work: Exit asks, Loobu stays.
    TypeInto(Edit("MsdEdit"), QStringLiteral("600"));
    question("Loobu");
    W<QAction>("ExitItem")->trigger();
    QVERIFY(FForm->isVisible() && FForm->isWindowModified());
    QCOMPARE(Boxes, QStringList{QString::fromUtf8("Salvesta muudatused faili tala.kordal?")});
    Press(Qt::Key_S, Qt::ControlModifier); // Salvesta: no question
    QVERIFY(!FForm->isWindowModified());
    // A broken file is refused with its reason and changes nothing.
    QFile broken(dir.filePath(QStringLiteral("katki.kordal")));
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("{\"format\": 1}") > 0 &&
            broken.flush());
    QVERIFY(!FForm->OpenFile(broken.fileName()));
    QVERIFY(Boxes.last().startsWith(QStringLiteral("katki.kordal: ")));
    // Changes dropped on purpose, and the saved state opened again: both shapes as saved.
    Enter("MsdEdit", QStringLiteral("700"));
    ClickTab(0);
    question("Ära salvesta");
    Expect(QStringLiteral("Ava"), fileDialog("tala.kordal"));
    Press(Qt::Key_O, Qt::ControlModifier);
    QVERIFY(FForm->IsRibbedSlab() && !FForm->isWindowModified());
    // M1 + M2 = 0.2565 + 0.3160 MNm < 0.6: Asc = 0.0275 / (0.415 400) = 1.655 cm2, in the web:
    // As = (0.7485 + 0.8 + 0.0662) / 434.78 = 37.14 cm2.
    QCOMPARE(Texts({"MsdEdit", "hfEdit", "AstLabel"}),
             Localized("600.00|120.0|Arvutuslik tõmbearmatuur   As = 37.14 cm2"));
}

void TWindowTest::aboutBoxAndExit()
{
    // As the program starts with a file named: the window, its About box, the window shown,
    // and once the greeting is closed, the file.
    QTemporaryDir dir;
    TSectionDocument doc{true, InputsOf(*StoredRistLoige), InputsOf(*StoredRPLRistLoige)};
    doc.RibbedSlab.Msd = 480;
    QVERIFY(SaveSectionFile(dir.filePath(QStringLiteral("plaat.kordal")), doc).isEmpty());
    FForm = std::make_unique<TMainKordalForm>();
    FForm->SetStartFile(dir.filePath(QStringLiteral("plaat.kordal")));
    AboutBox = new TAboutBox(FForm.get());
    QCOMPARE(AboutBox->objectName(), QStringLiteral("AboutBox"));
    int greetings = 0;
    auto answer = [&](QWidget *Box) {
        ++greetings;
        QTest::mouseClick(Child<QPushButton>(Box, "OKButton"), Qt::LeftButton);
    };
    Expect(QStringLiteral("About Kordal"), answer);
    FForm->show();
    QTRY_COMPARE(Edit("MsdEdit")->text(), Localized("480.00"));
    FForm->hide();
    FForm->show(); // once only
    Expect(QStringLiteral("About Kordal"), answer);
    W<QAction>("AboutKordalItem")->trigger();
    QCOMPARE(greetings, 2);
    // The machine's memory in MB to a tenth, halves up: MemTotal is what the box reads.
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    QVERIFY(meminfo.open(QIODevice::ReadOnly));
    const quint64 kb = meminfo.readLine().simplified().split(' ').at(1).toULongLong();
    QCOMPARE(Child<QLabel>(AboutBox, "PhysMem")->text(), PhysMemText(kb << 10));
    QCOMPARE(PhysMemText(1536 << 10) + PhysMemText((3 << 20) + (51 << 10)) +
                 PhysMemText((3 << 20) + (52 << 10)) + PhysMemText(1023),
             Localized("1.5 MB3 MB3.1 MB0 MB"));
    W<QAction>("ExitItem")->trigger();
    QVERIFY(!FForm->isVisible());
}

void TWindowTest::languageChoice()
{
    // The command line's choice, else the saved one, else Estonian, whatever the locale.
    const char *const rows[][4] = {{"nothing given", "", "", "et"},
                                   {"saved", "", "en", "en"},
                                   {"saved nonsense", "", "EN", "et"},
                                   {"--lang over saved", "et", "en", "et"},
                                   {"unknown --lang", "fr", "en", "en"}};
    for (const auto &[row, commandLine, saved, expected] : rows)
        QVERIFY2(LanguageCode(DecideLanguage(commandLine, saved)) == expected, row);
}

void TWindowTest::englishAtOnce()
{
    // The menu's choice applies at once to the window and the About box, and is saved.
    AboutBox = new TAboutBox(FForm.get());
    ClickTab(1), ClickTab(0);                       // both pages' fields written
    TypeInto(Edit("hEdit"), QStringLiteral("450")); // typed, not yet confirmed
    const QStringList estonian = AllTexts();
    auto english = [&] {
        W<QAction>("EnglishItem")->trigger();
        QTRY_VERIFY(FForm->windowTitle().startsWith("Design of reinforced concrete sections"));
        for (const QString &text : AllTexts())
            QVERIFY2(!text.section(": ", 1).contains(Estonian), qPrintable(text));
        NothingClipped();
        KeptAsStyled(); // titles in English
    };
    english();
    QCOMPARE(QSettings("Kordal", "Kordal").value("language").toString(), QStringLiteral("en"));
    // The fields keep what they hold, 450 typed and not confirmed: the figures are of 500 mm.
    QCOMPARE(Texts({"hEdit", "AstLabel"}),
             Localized("450|Required tension reinforcement   As = 36.48 cm2"));
    // And back: every text as it was; then the ribbed slab in English.
    W<QAction>("EestiItem")->trigger();
    QTRY_COMPARE(AllTexts(), estonian);
    ClickTab(1);
    english();
    // A window opened in English shows the longer Estonian lines whole.
    FForm = std::make_unique<TMainKordalForm>();
    FForm->show();
    W<QAction>("EestiItem")->trigger();
    QTRY_VERIFY(!FForm->windowTitle().startsWith("Design of reinforced concrete sections"));
    NothingClipped();
}

// A line's glyphs that stay where they were are not painted again; each text here, after the
// one before it, leaves the window as it would be drawn afresh: figures of the same width, a
// wider and a narrower figure shifting the rest, nothing, glyphs whose ink reaches past their
// neighbours, a character the font lacks, each on the window's face and on red.
void TWindowTest::linesRepaintWhatChanged()
{
    for (const char *name : {"AstLabel", "MRdLabel"})
        for (bool shortfall : {false, true})
            for (const char *text : {"As = 24.53 cm2 (x/d = 0.45)", "As = 36.48 cm2 (x/d = 0.46)",
                                     "As = 136.48 cm2 (x/d = 0.46)", "As = 6.4 cm2 (x/d = 0.46)",
                                     "", "ƒj = ƒ(ξ) ≤ 1.0; fff", "\u4e2d = 1", "As = 6.4 cm2"}) {
                auto *line = W<TResultLabel>(name);
                ShowShortfall(line, shortfall);
                ShowText(line, QString::fromUtf8(text));
                LinesAsDrawn();
            }
}

// From fixed seeds: anything typed into any field, Enter and Tab, the page tabs, the section
// menu, the class boxes and the bar dialogs, every box answered as it comes. After every
// action no label or field may show a figure that is not a number, the section must match the
// page and its inputs their bounds, and the drawing must be there. KORDAL_SOAK_ACTIONS sets
// the actions per seed (500).
void TWindowTest::randomUse()
{
    const int actions = qEnvironmentVariableIntValue("KORDAL_SOAK_ACTIONS");
    const QStringList names = QString("hEdit bEdit hEditRPL bEditRPL hfEdit bwEdit MsdEdit aEdit "
                                      "apEdit BetKlComboBox AArmKlComboBox YArmKlComboBox "
                                      "AsValikButton AscValikButton qt_tabwidget_tabbar MkEdit "
                                      "MqpEdit KeskkondComboBox FiEdit DgEdit VsdEdit "
                                      "RangKlComboBox RangDComboBox RangHaradEdit RangSammEdit "
                                      "KasutusigaComboBox DcdevEdit AvaEdit SkeemComboBox "
                                      "VaheseinadCheckBox ARidadComboBox YRidadComboBox")
                                  .split(' '),
                      typed = QString("0 5 12 250 2000 10000 - . , e x 99999999999999999999 "
                                      "0.0001 \t \r")
                                  .split(' ');
    const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right,  Qt::Key_Up,
                            Qt::Key_Down, Qt::Key_Return, Qt::Key_Escape};
    for (quint32 seed : {1u, 2u, 20261206u}) {
        QRandomGenerator random(seed);
        Others = [&](QWidget *Dialog) { // the bar dialog: a key at a time till OK or cancel
            QTest::keyClick(Child<QWidget>(Dialog, "ArmStringGrid"), keys[random.bounded(6)]);
        };
        FForm = std::make_unique<TMainKordalForm>();
        FForm->show();
        for (int action = 0; action < (actions > 0 ? actions : 500); ++action) {
            FForm->activateWindow(); // no window manager gives it back after a box
            QVERIFY(QTest::qWaitForWindowActive(FForm.get()));
            QWidget *target = W(qPrintable(names[random.bounded(names.size())]));
            if (random.bounded(4) == 0) {
                W<QAction>(random.bounded(2) ? "RKrlItem" : "RPLrlItem")->trigger();
            } else if (qobject_cast<QPushButton *>(target) && target->isVisible()) {
                QTest::mouseClick(target, Qt::LeftButton);
            } else if (target->isVisible()) {
                target->setFocus();
                QTest::keyClick(target, keys[random.bounded(4)]);
                if (qobject_cast<QLineEdit *>(target))
                    QTest::keyClicks(target, typed[random.bounded(typed.size())]);
            }
            const QString at = QStringLiteral("seed %1, action %2: ").arg(seed).arg(action);
            for (QWidget *child : FForm->findChildren<QWidget *>()) { // labels and fields
                const QString shown = child->property("text").toString().toLower();
                QVERIFY2(!shown.contains("nan") && !shown.contains("inf"),
                         qPrintable(at + child->objectName() + " shows " + shown));
            }
            const TRistLoige &rl = RL();
            const auto *slab = dynamic_cast<const TRPLRistLoige *>(&rl);
            QCOMPARE(W<QTabWidget>("RLPageControl")->currentIndex() * 2 + FForm->IsRibbedSlab(),
                     slab ? 3 : 0);
            // The flange's bound follows h when it is entered; h may shrink below it later.
            const double bw = slab ? slab->bw : 0, hf = slab ? slab->hf : 0;
            const double value[] = {rl.h, rl.b, rl.Msd, rl.a, rl.ap, bw, hf},
                         upper[] = {2, 2, 10000, rl.h / 2, rl.h / 2, 2, 2};
            for (int i = 0; i < 7; ++i)
                QVERIFY2(value[i] >= 0 && value[i] <= upper[i] * (1 + 1e-9),
                         qPrintable(at + QString::number(value[i])));
            QVERIFY2(!(W<TDrawingView>("RistLImage")->Shown() == TDrawingRecord()), qPrintable(at));
            if (action % 25 == 0)
                LinesAsDrawn();
        }
    }
}

QTEST_MAIN(TWindowTest)
#include "window_test.moc"
