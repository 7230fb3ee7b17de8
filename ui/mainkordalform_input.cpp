// Input handling of the main window: the numeric fields (filter, check on exit, Enter), the
// class and list boxes and the switch between the rectangle and the ribbed slab.
//
// A field's text reaches RL only when the focus passes from the field to another control of
// the window. The window losing activation (to the warning box, a menu, another program)
// is no exit. Every accepted exit stores the value; one that changed it refreshes the results.
#include "mainkordalform.h"
#include "ui_mainkordalform.h"

#include "classes.h"
#include "comproc.h"
#include "inputfields.h"
#include "numformat.h"
#include "quietwrites.h"
#include "ristloige.h"
#include "rplristloige.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QTabBar>

#include <array>

// One row of the field table: the quantity, where the value goes, and the handlers.
struct TMainKordalForm::TNumField {
    enum class TPage { Both, Rectangle, RibbedSlab };
    QLineEdit *Ui::TMainKordalForm::*Edit;
    TPage Page;
    TQuantity Quantity; // its unit, bounds and warning
    // The section's field that receives the value; null when RL is not of the field's shape.
    double *(*Target)(TRistLoige &RL);
    void (TMainKordalForm::*Change)();
    void (TMainKordalForm::*Exit)();
    bool (TMainKordalForm::*KeyPress)(int Key);
};

namespace
{
TRPLRistLoige *AsRibbedSlab(TRistLoige &RL)
{
    return dynamic_cast<TRPLRistLoige *>(&RL);
}

enum : int {
    hField,
    bField,
    hRPLField,
    bRPLField,
    hfField,
    bwField,
    MsdField,
    aField,
    apField,
    MkField,
    MqpField,
    FiField,
    DgField,
    VsdField,
    HaradField,
    SammField,
    DcdevField,
    AvaField
};
} // namespace

const TMainKordalForm::TNumField &TMainKordalForm::NumField(int Field)
{
    using TPage = TNumField::TPage;
    using TForm = TMainKordalForm;
    using Q = TQuantity;
    static const std::array<TNumField, NumFieldCount> fields{{
        {&Ui::TMainKordalForm::hEdit, TPage::Rectangle, Q::h, [](TRistLoige &RL) { return &RL.h; },
         &TForm::hEditChange, &TForm::hEditExit, &TForm::hEditKeyPress},
        {&Ui::TMainKordalForm::bEdit, TPage::Rectangle, Q::b, [](TRistLoige &RL) { return &RL.b; },
         &TForm::bEditChange, &TForm::bEditExit, &TForm::bEditKeyPress},
        {&Ui::TMainKordalForm::hEditRPL, TPage::RibbedSlab, Q::h,
         [](TRistLoige &RL) { return &RL.h; }, &TForm::hEditRPLChange, &TForm::hEditRPLExit,
         &TForm::hEditRPLKeyPress},
        {&Ui::TMainKordalForm::bEditRPL, TPage::RibbedSlab, Q::b,
         [](TRistLoige &RL) { return &RL.b; }, &TForm::bEditRPLChange, &TForm::bEditRPLExit,
         &TForm::bEditRPLKeyPress},
        {&Ui::TMainKordalForm::hfEdit, TPage::RibbedSlab, Q::hf,
         [](TRistLoige &RL) {
             TRPLRistLoige *rpl = AsRibbedSlab(RL);
             return rpl ? &rpl->hf : nullptr;
         },
         &TForm::hfEditChange, &TForm::hfEditExit, &TForm::hfEditKeyPress},
        {&Ui::TMainKordalForm::bwEdit, TPage::RibbedSlab, Q::bw,
         [](TRistLoige &RL) {
             TRPLRistLoige *rpl = AsRibbedSlab(RL);
             return rpl ? &rpl->bw : nullptr;
         },
         &TForm::bwEditChange, &TForm::bwEditExit, &TForm::bwEditKeyPress},
        {&Ui::TMainKordalForm::MsdEdit, TPage::Both, Q::Msd, [](TRistLoige &RL) { return &RL.Msd; },
         &TForm::MsdEditChange, &TForm::MsdEditExit, &TForm::MsdEditKeyPress},
        {&Ui::TMainKordalForm::aEdit, TPage::Both, Q::a, [](TRistLoige &RL) { return &RL.a; },
         &TForm::aEditChange, &TForm::aEditExit, &TForm::aEditKeyPress},
        {&Ui::TMainKordalForm::apEdit, TPage::Both, Q::ap, [](TRistLoige &RL) { return &RL.ap; },
         &TForm::apEditChange, &TForm::apEditExit, &TForm::apEditKeyPress},
        {&Ui::TMainKordalForm::MkEdit, TPage::Both, Q::Mk,
         [](TRistLoige &RL) { return &RL.Kasutus.Mk; }, &TForm::FieldChange<MkField>,
         &TForm::FieldExit<MkField>, &TForm::FieldKeyPress<MkField>},
        {&Ui::TMainKordalForm::MqpEdit, TPage::Both, Q::Mqp,
         [](TRistLoige &RL) { return &RL.Kasutus.Mqp; }, &TForm::FieldChange<MqpField>,
         &TForm::FieldExit<MqpField>, &TForm::FieldKeyPress<MqpField>},
        {&Ui::TMainKordalForm::FiEdit, TPage::Both, Q::Phi,
         [](TRistLoige &RL) { return &RL.Kasutus.Phi; }, &TForm::FieldChange<FiField>,
         &TForm::FieldExit<FiField>, &TForm::FieldKeyPress<FiField>},
        {&Ui::TMainKordalForm::DgEdit, TPage::Both, Q::dg,
         [](TRistLoige &RL) { return &RL.Kasutus.dg; }, &TForm::FieldChange<DgField>,
         &TForm::FieldExit<DgField>, &TForm::FieldKeyPress<DgField>},
        {&Ui::TMainKordalForm::VsdEdit, TPage::Both, Q::Vsd,
         [](TRistLoige &RL) { return &RL.Nihe.Vsd; }, &TForm::FieldChange<VsdField>,
         &TForm::FieldExit<VsdField>, &TForm::FieldKeyPress<VsdField>},
        {&Ui::TMainKordalForm::RangHaradEdit, TPage::Both, Q::Legs,
         [](TRistLoige &RL) { return &RL.Nihe.Legs; }, &TForm::FieldChange<HaradField>,
         &TForm::FieldExit<HaradField>, &TForm::FieldKeyPress<HaradField>},
        {&Ui::TMainKordalForm::RangSammEdit, TPage::Both, Q::s,
         [](TRistLoige &RL) { return &RL.Nihe.s; }, &TForm::FieldChange<SammField>,
         &TForm::FieldExit<SammField>, &TForm::FieldKeyPress<SammField>},
        {&Ui::TMainKordalForm::DcdevEdit, TPage::Both, Q::CoverDev,
         [](TRistLoige &RL) { return &RL.Kasutus.CoverDev; }, &TForm::FieldChange<DcdevField>,
         &TForm::FieldExit<DcdevField>, &TForm::FieldKeyPress<DcdevField>},
        {&Ui::TMainKordalForm::AvaEdit, TPage::Both, Q::Span,
         [](TRistLoige &RL) { return &RL.Ava.Span; }, &TForm::FieldChange<AvaField>,
         &TForm::FieldExit<AvaField>, &TForm::FieldKeyPress<AvaField>},
    }};
    return fields.at(static_cast<std::size_t>(Field));
}

namespace
{
bool IsEnter(int Key)
{
    return Key == Qt::Key_Return || Key == Qt::Key_Enter;
}

// The focus passing to another control. Activation lost to another window (the warning
// box, another program), a menu opening over the field or the menu bar taking the keyboard
// leave the field where it was.
bool IsExitReason(Qt::FocusReason Reason)
{
    return Reason != Qt::ActiveWindowFocusReason && Reason != Qt::PopupFocusReason &&
           Reason != Qt::MenuBarFocusReason;
}
} // namespace

// Connections -------------------------------------------------------------------------------

void TMainKordalForm::createInputConnections()
{
    FInputContext = std::make_unique<QObject>();
    QObject *context = FInputContext.get();

    for (int i = 0; i < NumFieldCount; ++i) {
        const TNumField &field = NumField(i);
        QLineEdit *edit = ui.get()->*field.Edit;
        connect(edit, &QLineEdit::textChanged, context,
                [this, &field] { (this->*field.Change)(); });
        edit->installEventFilter(this);
    }

    // Drop-down lists that cannot be typed into: every change is a list entry.
    for (QComboBox *box :
         {ui->BetKlComboBox, ui->AArmKlComboBox, ui->YArmKlComboBox, ui->KeskkondComboBox,
          ui->KasutusigaComboBox, ui->RangKlComboBox, ui->RangDComboBox, ui->SkeemComboBox,
          ui->ARidadComboBox, ui->YRidadComboBox}) {
        box->setEditable(false);
        box->installEventFilter(this);
    }
    ui->VaheseinadCheckBox->installEventFilter(this);
    // activated is the user's choice only; the program's own selections raise nothing.
    connect(ui->BetKlComboBox, &QComboBox::activated, context, [this] { BetKlComboBoxChange(); });
    connect(ui->AArmKlComboBox, &QComboBox::activated, context, [this] { AArmKlComboBoxChange(); });
    connect(ui->YArmKlComboBox, &QComboBox::activated, context, [this] { YArmKlComboBoxChange(); });
    connect(ui->KeskkondComboBox, &QComboBox::activated, context,
            [this] { KeskkondComboBoxChange(); });
    connect(ui->RangKlComboBox, &QComboBox::activated, context, [this] { RangKlComboBoxChange(); });
    connect(ui->RangDComboBox, &QComboBox::activated, context, [this] { RangDComboBoxChange(); });
    connect(ui->KasutusigaComboBox, &QComboBox::activated, context,
            [this] { KasutusigaComboBoxChange(); });
    connect(ui->SkeemComboBox, &QComboBox::activated, context, [this] { SkeemComboBoxChange(); });
    connect(ui->ARidadComboBox, &QComboBox::activated, context, [this] { RidadComboBoxChange(); });
    connect(ui->YRidadComboBox, &QComboBox::activated, context, [this] { RidadComboBoxChange(); });
    // clicked is the user's toggle only, not the program's setChecked.
    connect(ui->VaheseinadCheckBox, &QCheckBox::clicked, context,
            [this] { VaheseinadCheckBoxChange(); });

    // A click on a tab takes the focus, as any other control does, so the field being left
    // is checked and stored before its shape is saved.
    ui->RLPageControl->tabBar()->setFocusPolicy(Qt::StrongFocus);
    connect(ui->RLPageControl, &QTabWidget::currentChanged, context, [this] {
        if (!FSettingPage)
            RLPageControlChange();
    });
    connect(ui->RKrlItem, &QAction::triggered, context, [this] { RKrlItemClick(); });
    connect(ui->RPLrlItem, &QAction::triggered, context, [this] { RPLrlItemClick(); });
}

bool TMainKordalForm::eventFilter(QObject *Watched, QEvent *Event)
{
    const bool keyPress = Event->type() == QEvent::KeyPress;
    const bool focusOut = Event->type() == QEvent::FocusOut;
    if (!keyPress && !focusOut)
        return QMainWindow::eventFilter(Watched, Event);

    if (keyPress) {
        const int key = static_cast<QKeyEvent *>(Event)->key();
        for (int i = 0; i < NumFieldCount; ++i)
            if (Watched == ui.get()->*NumField(i).Edit)
                return (this->*NumField(i).KeyPress)(key);
        if (Watched == ui->BetKlComboBox)
            return BetKlComboBoxKeyPress(key);
        if (Watched == ui->AArmKlComboBox)
            return AArmKlComboBoxKeyPress(key);
        if (Watched == ui->YArmKlComboBox)
            return YArmKlComboBoxKeyPress(key);
        // The lists of the serviceability and shear groups step on as their fields do.
        if (Watched == ui->KeskkondComboBox)
            return MoveFocusOnEnter(key, ui->KasutusigaComboBox);
        if (Watched == ui->KasutusigaComboBox)
            return MoveFocusOnEnter(key, ui->DcdevEdit);
        if (Watched == ui->RangKlComboBox)
            return MoveFocusOnEnter(key, ui->RangDComboBox);
        if (Watched == ui->RangDComboBox)
            return MoveFocusOnEnter(key, ui->RangHaradEdit);
        if (Watched == ui->SkeemComboBox)
            return MoveFocusOnEnter(key, ui->VaheseinadCheckBox);
        if (Watched == ui->VaheseinadCheckBox)
            return MoveFocusOnEnter(key, ui->RLPageControl);
        return QMainWindow::eventFilter(Watched, Event);
    }

    const auto *focus = static_cast<QFocusEvent *>(Event);
    if (!IsExitReason(focus->reason()))
        return QMainWindow::eventFilter(Watched, Event);
    for (int i = 0; i < NumFieldCount; ++i) {
        const TNumField &field = NumField(i);
        if (Watched != ui.get()->*field.Edit)
            continue;
        // The field finishes losing the focus first: the check may give the focus back,
        // and the field must not then treat it as lost (no caret).
        Watched->event(Event);
        (this->*field.Exit)();
        return true;
    }
    return QMainWindow::eventFilter(Watched, Event);
}

// Numeric fields ----------------------------------------------------------------------------

void TMainKordalForm::hEditChange()
{
    FilterNumEdit(ui->hEdit);
}
void TMainKordalForm::bEditChange()
{
    FilterNumEdit(ui->bEdit);
}
void TMainKordalForm::hEditRPLChange()
{
    FilterNumEdit(ui->hEditRPL);
}
void TMainKordalForm::bEditRPLChange()
{
    FilterNumEdit(ui->bEditRPL);
}
void TMainKordalForm::hfEditChange()
{
    FilterNumEdit(ui->hfEdit);
}
void TMainKordalForm::bwEditChange()
{
    FilterNumEdit(ui->bwEdit);
}
void TMainKordalForm::MsdEditChange()
{
    FilterNumEdit(ui->MsdEdit);
}
void TMainKordalForm::aEditChange()
{
    FilterNumEdit(ui->aEdit);
}
void TMainKordalForm::apEditChange()
{
    FilterNumEdit(ui->apEdit);
}

void TMainKordalForm::hEditExit()
{
    NumEditExit(hField);
}
void TMainKordalForm::bEditExit()
{
    NumEditExit(bField);
}
void TMainKordalForm::hEditRPLExit()
{
    NumEditExit(hRPLField);
}
void TMainKordalForm::bEditRPLExit()
{
    NumEditExit(bRPLField);
}
void TMainKordalForm::hfEditExit()
{
    NumEditExit(hfField);
}
void TMainKordalForm::bwEditExit()
{
    NumEditExit(bwField);
}
void TMainKordalForm::MsdEditExit()
{
    NumEditExit(MsdField);
}
void TMainKordalForm::aEditExit()
{
    NumEditExit(aField);
}
void TMainKordalForm::apEditExit()
{
    NumEditExit(apField);
}

// The store with range check (DecideExit). The bounds are those at the start of the check.
void TMainKordalForm::NumEditExit(int Field)
{
    // While another check runs (its warning box open, its field being restored and
    // refocused) the focus moves are the program's, and no field can have been typed into.
    // While the program sets the page, RL is about to be replaced without saving.
    if (FExitCheckRunning || FSettingPage)
        return;
    const TNumField &field = NumField(Field);
    using TPage = TNumField::TPage;
    if ((field.Page == TPage::Rectangle && IsRPL) || (field.Page == TPage::RibbedSlab && !IsRPL))
        return; // a field of the hidden shape has nothing to store into RL
    double *target = field.Target(*RL);
    if (!target)
        return;
    QScopedValueRollback<bool> running(FExitCheckRunning, true);
    QLineEdit *edit = ui.get()->*field.Edit;

    const double scale = ScaleOf(field.Quantity);
    const TBounds bounds = BoundsOf(field.Quantity, RL->h * 1000);
    const TExitDecision exit =
        DecideExit(edit->text(), *target * scale, bounds, DecimalsOf(field.Quantity));
    if (exit.Warn)
        ShowInputWarning(BoundsMessage(field.Quantity, bounds));
    if (!exit.Text.isEmpty())
        edit->setText(exit.Text);
    if (exit.Warn)
        edit->setFocus(Qt::TabFocusReason);
    // A field left with the value it had changes nothing the other fields or the results
    // follow from: only its own text is written again, as the value is shown.
    const bool changed = exit.Value / scale != *target;
    *target = exit.Value / scale;
    if (changed) {
        SetRLValues();
        SetResults();
    } else {
        ShowText(edit, FormatFloat(*target * scale, DecimalsOf(field.Quantity)));
    }
    if (exit.Warn)
        edit->selectAll(); // the previous value, ready to be typed over
}

void TMainKordalForm::CommitEditing()
{
    // A value typed but not yet confirmed by leaving its field is part of what the user sees.
    for (int i = 0; i < NumFieldCount; ++i)
        if (QApplication::focusWidget() == ui.get()->*NumField(i).Edit)
            (this->*NumField(i).Exit)();
}

void TMainKordalForm::ShowInputWarning(const QString &Message)
{
    // Qualified: lupdate loses the class of the functions in this file.
    QMessageBox box(QMessageBox::Warning, TMainKordalForm::tr("Hoiatus"), Message, QMessageBox::Ok,
                    this);
    box.exec();
    // Back to the window, where the rejected field waits; not every desktop does it.
    activateWindow();
}

// Enter ---------------------------------------------------------------------------------------

bool TMainKordalForm::MoveFocusOnEnter(int Key, QWidget *Next)
{
    if (!IsEnter(Key))
        return false;
    if (Next)
        Next->setFocus(Qt::TabFocusReason); // the field being left is checked on its way out
    return true;
}

bool TMainKordalForm::hEditKeyPress(int Key)
{
    return MoveFocusOnEnter(Key, ui->bEdit);
}
bool TMainKordalForm::bEditKeyPress(int Key)
{
    const bool rectangle = ui->RLPageControl->currentWidget() == ui->RKTabSheet;
    return MoveFocusOnEnter(Key, rectangle ? ui->MsdEdit : nullptr);
}
bool TMainKordalForm::hEditRPLKeyPress(int Key)
{
    return MoveFocusOnEnter(Key, ui->bEditRPL);
}
bool TMainKordalForm::bEditRPLKeyPress(int Key)
{
    return MoveFocusOnEnter(Key, ui->hfEdit);
}
bool TMainKordalForm::hfEditKeyPress(int Key)
{
    return MoveFocusOnEnter(Key, ui->bwEdit);
}
bool TMainKordalForm::bwEditKeyPress(int Key)
{
    return MoveFocusOnEnter(Key, ui->MsdEdit);
}
bool TMainKordalForm::MsdEditKeyPress(int Key)
{
    return MoveFocusOnEnter(Key, ui->BetKlComboBox);
}
bool TMainKordalForm::aEditKeyPress(int Key)
{
    // The compression steel's inputs only when the section needs compression steel, judged
    // before the new cover is stored. They are shown exactly then, unless the section cannot
    // be designed at all; a hidden box cannot take the focus.
    const bool compression = RL->NeedsCompressionSteel() && !ui->YArmKlGroupBox->isHidden();
    return MoveFocusOnEnter(Key,
                            compression ? static_cast<QWidget *>(ui->YArmKlComboBox) : ui->MkEdit);
}
bool TMainKordalForm::apEditKeyPress(int Key)
{
    return MoveFocusOnEnter(Key, ui->MkEdit);
}

template <int Field> void TMainKordalForm::FieldChange()
{
    FilterNumEdit(ui.get()->*NumField(Field).Edit);
}

template <int Field> void TMainKordalForm::FieldExit()
{
    NumEditExit(Field);
}

// Mk, Mqp, the exposure class, the design life, Δcdev, φ, dg, then the shear group, the span
// group, and from its last control to the page control.
template <int Field> bool TMainKordalForm::FieldKeyPress(int Key)
{
    QWidget *next = ui->RLPageControl;
    switch (Field) {
    case MkField:
        next = ui->MqpEdit;
        break;
    case MqpField:
        next = ui->KeskkondComboBox;
        break;
    case FiField:
        next = ui->DgEdit;
        break;
    case DgField:
        next = ui->VsdEdit;
        break;
    case VsdField:
        next = ui->RangKlComboBox;
        break;
    case HaradField:
        next = ui->RangSammEdit;
        break;
    case SammField:
        next = ui->AvaEdit;
        break;
    case DcdevField:
        next = ui->FiEdit;
        break;
    case AvaField:
        next = ui->SkeemComboBox;
        break;
    default:
        break;
    }
    return MoveFocusOnEnter(Key, next);
}
bool TMainKordalForm::BetKlComboBoxKeyPress(int Key)
{
    return MoveFocusOnEnter(Key, ui->AArmKlComboBox);
}
bool TMainKordalForm::AArmKlComboBoxKeyPress(int Key)
{
    return MoveFocusOnEnter(Key, ui->aEdit);
}
bool TMainKordalForm::YArmKlComboBoxKeyPress(int Key)
{
    return MoveFocusOnEnter(Key, ui->apEdit);
}

// Class boxes -----------------------------------------------------------------------------

// Item k of the concrete box is entry k + MinBetKlIndex of its list, item k of a steel box
// entry k + 1. The entry is copied into RL's own class, which derives its values; the list
// itself is not changed.
void TMainKordalForm::BetKlComboBoxChange()
{
    const int item = ui->BetKlComboBox->currentIndex() + MinBetKlIndex;
    if (item < MinBetKlIndex || item > BetKlassid->Count)
        return;
    BetKlassid->Items(item).Assign(RL->BetKlass);
    RL->CalcDesignValues(); // As,min and the limit moment follow the material
    SetBetValues();
    SetResults();
}

void TMainKordalForm::AArmKlComboBoxChange()
{
    const int item = ui->AArmKlComboBox->currentIndex() + 1;
    if (item < 1 || item > ArmKlassid->Count)
        return;
    ArmKlassid->Items(item).Assign(RL->AArmKlass);
    RL->CalcDesignValues();
    SetAValues();
    SetResults();
}

void TMainKordalForm::YArmKlComboBoxChange()
{
    const int item = ui->YArmKlComboBox->currentIndex() + 1;
    if (item < 1 || item > ArmKlassid->Count)
        return;
    ArmKlassid->Items(item).Assign(RL->YArmKlass);
    RL->CalcDesignValues();
    SetYValues();
    SetResults();
}

// The serviceability and shear lists: the exposure class by its place in ExposureNames, the
// link class as the steel boxes take theirs, the diameter from LinkDiameters.
void TMainKordalForm::KeskkondComboBoxChange()
{
    const int item = ui->KeskkondComboBox->currentIndex();
    if (item < 0 || item >= static_cast<int>(ExposureNames.size()))
        return;
    RL->Kasutus.Exposure = static_cast<TExposure>(item);
    SetResults();
}

void TMainKordalForm::RangKlComboBoxChange()
{
    const int item = ui->RangKlComboBox->currentIndex() + 1;
    if (item < 1 || item > ArmKlassid->Count)
        return;
    ArmKlassid->Items(item).Assign(RL->RArmKlass);
    SetResults();
}

void TMainKordalForm::RangDComboBoxChange()
{
    const int item = ui->RangDComboBox->currentIndex();
    if (item < 0 || item >= static_cast<int>(std::size(LinkDiameters)))
        return;
    RL->Nihe.LinkD = LinkDiameters[item];
    SetResults();
}

// The design life by its place in the list: 50 or 100 years.
void TMainKordalForm::KasutusigaComboBoxChange()
{
    RL->Kasutus.DesignLife = ui->KasutusigaComboBox->currentIndex() == 1 ? 100 : 50;
    SetResults();
}

void TMainKordalForm::SkeemComboBoxChange()
{
    const int item = ui->SkeemComboBox->currentIndex();
    if (item < 0 || item > static_cast<int>(TSupport::Cantilever))
        return;
    RL->Ava.Support = static_cast<TSupport>(item);
    SetResults();
}

void TMainKordalForm::VaheseinadCheckBoxChange()
{
    RL->Ava.Partitions = ui->VaheseinadCheckBox->isChecked();
    SetResults();
}

// The rows of both groups, item k being k + 1 rows.
void TMainKordalForm::RidadComboBoxChange()
{
    RL->AArmatuur.Rows = ui->ARidadComboBox->currentIndex() + 1;
    RL->YArmatuur.Rows = ui->YRidadComboBox->currentIndex() + 1;
    SetResults();
}

// Shape switch ----------------------------------------------------------------------------

// Replaces RL by a new section of the chosen shape, filled from that shape's stored section.
void TMainKordalForm::ReplaceSection(bool Ribbed)
{
    if (Ribbed) {
        auto rpl = std::make_unique<TRPLRistLoige>();
        StoredRPLRistLoige->AssignRPL(*rpl);
        RL = std::move(rpl);
    } else {
        auto rect = std::make_unique<TRistLoige>();
        StoredRistLoige->Assign(*rect);
        RL = std::move(rect);
    }
    IsRPL = Ribbed;
    SetRLValues();
    SetResults();
}

// The user has chosen the other page: the shape being left is saved first, so coming back
// brings every input of it back.
void TMainKordalForm::RLPageControlChange()
{
    if (IsRPL)
        static_cast<const TRPLRistLoige &>(*RL).AssignRPL(*StoredRPLRistLoige);
    else
        RL->Assign(*StoredRistLoige);
    ReplaceSection(ui->RLPageControl->currentWidget() == ui->RPLTabSheet);
}

void TMainKordalForm::SetPageQuietly(bool Ribbed)
{
    QScopedValueRollback<bool> setting(FSettingPage, true);
    ui->RLPageControl->setCurrentWidget(Ribbed ? ui->RPLTabSheet : ui->RKTabSheet);
}

// The menu shows the shape as it was last saved; changes since are dropped.
void TMainKordalForm::RKrlItemClick()
{
    SetPageQuietly(false);
    ReplaceSection(false);
}

void TMainKordalForm::RPLrlItemClick()
{
    SetPageQuietly(true);
    ReplaceSection(true);
}
