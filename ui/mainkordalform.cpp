#include "mainkordalform.h"
#include "ui_mainkordalform.h"

#include "aboutbox.h"
#include "armtabelform.h"
#include "cachedpanelstyle.h"
#include "classes.h"
#include "numformat.h"
#include "quietwrites.h"
#include "resultlines.h"
#include "ristloige.h"
#include "rplristloige.h"

#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPalette>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>
#include <string>
#include <tuple>

TMainKordalForm *MainKordalForm = nullptr;

namespace
{
// Selects the item of Box whose list entry (Items(k), k = First..Count) carries Name;
// leaves the selection alone when none does. A selection made here is not a user's choice.
template <typename TList>
void SelectClass(QComboBox *Box, const TList &List, int First, const std::string &Name)
{
    for (int k = First; k <= List.Count; ++k)
        if (List.Items(k).Name == Name)
            Box->setCurrentIndex(k - First);
}

template <typename TList>
void FillClassComboBox(QComboBox *Box, const TList &List, int First, const std::string &Name)
{
    Box->setCurrentIndex(-1);
    Box->clear();
    for (int k = First; k <= List.Count; ++k) {
        Box->addItem(QString::fromStdString(List.Items(k).Name));
        if (List.Items(k).Name == Name)
            Box->setCurrentIndex(k - First);
    }
}

} // namespace

TMainKordalForm::TMainKordalForm(QWidget *Parent)
    : QMainWindow(Parent), ui(std::make_unique<Ui::TMainKordalForm>())
{
    MainKordalForm = this;
    ui->setupUi(this);
    FormCreate();
}

TMainKordalForm::~TMainKordalForm()
{
    if (MainKordalForm == this)
        MainKordalForm = nullptr;
}

// Start-up --------------------------------------------------------------------------------

void TMainKordalForm::FormCreate()
{
    // The frame: fixed client area, the program's icon, every static text whole.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowIcon(ProgramIcon());
    // The fields drawn as the program's style draws them, their panels kept between paints.
    auto *fieldStyle = new TCachedPanelStyle(QApplication::style()->name());
    fieldStyle->setParent(this);
    for (QLineEdit *field : findChildren<QLineEdit *>())
        field->setStyle(fieldStyle);
    FitStaticTexts();
    FBaseTitle = windowTitle();
    createMenuConnections();
    createFileConnections();

    // The form names the ribbed-slab page; the program starts on the rectangle.
    ui->RLPageControl->setCurrentWidget(ui->RKTabSheet);
    IsRPL = false;
    RL = std::make_unique<TRistLoige>();
    StoredRistLoige->Assign(*RL);
    createInputConnections();

    FillClassComboBoxes();
    SetBetValues();
    SetYValues();
    SetAValues();
    SetRLValues();
    SetResults();

    // Centred on the screen when first shown.
    adjustSize();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TMainKordalForm::FitStaticTexts()
{
    for (QLabel *label : ui->GroupBox1->findChildren<QLabel *>())
        label->adjustSize();
}

void TMainKordalForm::createMenuConnections()
{
    auto *languages = new QActionGroup(this); // exclusive
    for (QAction *item : {ui->EestiItem, ui->EnglishItem})
        languages->addAction(item);
    (CurrentLanguage() == TLanguage::English ? ui->EnglishItem : ui->EestiItem)->setChecked(true);
    connect(ui->EestiItem, &QAction::triggered, this,
            [this] { LanguageItemClick(TLanguage::Estonian); });
    connect(ui->EnglishItem, &QAction::triggered, this,
            [this] { LanguageItemClick(TLanguage::English); });
    connect(ui->ExitItem, &QAction::triggered, this, &TMainKordalForm::ExitItemClick);
    connect(ui->AboutKordalItem, &QAction::triggered, this, &TMainKordalForm::AboutTarmelItemClick);
    connect(ui->AsValikButton, &QPushButton::clicked, this, &TMainKordalForm::AsValikButtonClick);
    connect(ui->AscValikButton, &QPushButton::clicked, this, &TMainKordalForm::AscValikButtonClick);
}

void TMainKordalForm::FillClassComboBoxes()
{
    FillClassComboBox(ui->BetKlComboBox, *BetKlassid, MinBetKlIndex, RL->BetKlass.Name);
    FillClassComboBox(ui->YArmKlComboBox, *ArmKlassid, 1, RL->YArmKlass.Name);
    FillClassComboBox(ui->AArmKlComboBox, *ArmKlassid, 1, RL->AArmKlass.Name);
    FillClassComboBox(ui->RangKlComboBox, *ArmKlassid, 1, RL->RArmKlass.Name);
    ui->KeskkondComboBox->clear();
    for (const char *name : ExposureNames)
        ui->KeskkondComboBox->addItem(QString::fromUtf8(name));
    ui->RangDComboBox->clear();
    for (int d : LinkDiameters)
        ui->RangDComboBox->addItem(QString::number(d));
    ui->SkeemComboBox->clear();
    for (TSupport support :
         {TSupport::Simple, TSupport::EndSpan, TSupport::InteriorSpan, TSupport::Cantilever})
        ui->SkeemComboBox->addItem(SupportText(support));
}

// Language ----------------------------------------------------------------------------------

// The choice is saved for the next start. Qt's LanguageChange reaches every window later.
void TMainKordalForm::LanguageItemClick(TLanguage Language)
{
    if (!UseLanguage(Language)) {
        ui->EestiItem->setChecked(true);
        return;
    }
    SaveLanguage(Language);
}

void TMainKordalForm::changeEvent(QEvent *Event)
{
    QMainWindow::changeEvent(Event);
    if (Event->type() == QEvent::LanguageChange && RL)
        Retranslate();
}

void TMainKordalForm::Retranslate()
{
    ui->retranslateUi(this);
    (CurrentLanguage() == TLanguage::English ? ui->EnglishItem : ui->EestiItem)->setChecked(true);
    FitStaticTexts();
    FBaseTitle = windowTitle();
    // The support schemes' names: the only entries in words of the lists filled here.
    for (int k = 0; k < ui->SkeemComboBox->count(); ++k)
        ui->SkeemComboBox->setItemText(k, SupportText(static_cast<TSupport>(k)));
    SetBetValues();
    SetYValues();
    SetAValues();
    SetResults(); // the result lines and the title
}

// Menu and buttons --------------------------------------------------------------------------

void TMainKordalForm::showEvent(QShowEvent *Event)
{
    QMainWindow::showEvent(Event);
    if (FShown)
        return;
    FShown = true;
    // Once the window is on the screen, so the greeting stands in front of it.
    QMetaObject::invokeMethod(this, &TMainKordalForm::FormShow, Qt::QueuedConnection);
}

void TMainKordalForm::FormShow()
{
    if (AboutBox)
        AboutBox->exec();
    if (!FStartFile.isEmpty())
        OpenFile(std::exchange(FStartFile, QString()));
}

void TMainKordalForm::ExitItemClick()
{
    close();
}

void TMainKordalForm::AboutTarmelItemClick()
{
    if (AboutBox)
        AboutBox->exec();
}

void TMainKordalForm::AsValikButtonClick()
{
    ArmValik = 0;
    ShowArmTabel(*RL, this);
    SetResults();
}

void TMainKordalForm::AscValikButtonClick()
{
    ArmValik = 1;
    ShowArmTabel(*RL, this);
    SetResults();
}

// Display -----------------------------------------------------------------------------------

void TMainKordalForm::SetBetValues()
{
    SelectClass(ui->BetKlComboBox, *BetKlassid, MinBetKlIndex, RL->BetKlass.Name);
    TBetKlass &bet = RL->BetKlass;
    bet.CalcValues();
    ShowText(ui->fckLabel, Format("fck = %.1f MPa", {bet.fck}));
    ShowText(ui->fcdLabel, Format("fcd = %.1f MPa", {bet.fcd}));
    ShowText(ui->gcLabel, Format("gc = %.2f", {bet.gc}));
    ShowText(ui->alfaLabel, Format("alfa,cc = %.2f", {bet.alfacc}));
}

void TMainKordalForm::SetAValues()
{
    SelectClass(ui->AArmKlComboBox, *ArmKlassid, 1, RL->AArmKlass.Name);
    TArmKlass &arm = RL->AArmKlass;
    arm.CalcValues();
    ShowText(ui->AgsLabel, Format("gs = %.2f", {arm.gs}));
    ShowText(ui->AfykLabel, Format("fyk = %.1f MPa", {arm.fyk}));
    ShowText(ui->AEsLabel, Format("Es = %.1f GPa", {arm.Es}));
    ShowText(ui->AfydLabel, Format("fyd = %.2f MPa", {arm.fyd}));
}

void TMainKordalForm::SetYValues()
{
    SelectClass(ui->YArmKlComboBox, *ArmKlassid, 1, RL->YArmKlass.Name);
    TArmKlass &arm = RL->YArmKlass;
    arm.CalcValues();
    ShowText(ui->YgsLabel, Format("gs = %.2f", {arm.gs}));
    ShowText(ui->YfykLabel, Format("fyk = %.1f MPa", {arm.fyk}));
    ShowText(ui->YEsLabel, Format("Es = %.1f GPa", {arm.Es}));
    // fyd, not the design stress of compression bars (fycd), as the tension group shows it.
    ShowText(ui->YfydLabel, Format("fyd = %.2f MPa", {arm.fyd}));
}

void TMainKordalForm::SetRLValues()
{
    RL->CalcDesignValues(); // may reduce a and ap to h/2: the fields show what is used
    SetBetValues();
    SetYValues();
    SetAValues();
    ShowText(ui->MsdEdit, Format("%.2f", {RL->Msd}));
    ShowText(ui->aEdit, Format("%.1f", {RL->a * 1000}));
    ShowText(ui->apEdit, Format("%.1f", {RL->ap * 1000}));
    if (!IsRPL) {
        ShowText(ui->hEdit, Format("%.1f", {RL->h * 1000}));
        ShowText(ui->bEdit, Format("%.1f", {RL->b * 1000}));
    } else {
        const auto &rpl = static_cast<const TRPLRistLoige &>(*RL);
        ShowText(ui->hEditRPL, Format("%.1f", {rpl.h * 1000}));
        ShowText(ui->bEditRPL, Format("%.1f", {rpl.b * 1000}));
        ShowText(ui->hfEdit, Format("%.1f", {rpl.hf * 1000}));
        ShowText(ui->bwEdit, Format("%.1f", {rpl.bw * 1000}));
    }
    SetServiceValues();
}

void TMainKordalForm::SetServiceValues()
{
    const TServiceInputs &service = RL->Kasutus;
    const TShearInputs &shear = RL->Nihe;
    ShowText(ui->MkEdit, Format("%.2f", {service.Mk}));
    ShowText(ui->MqpEdit, Format("%.2f", {service.Mqp}));
    ui->KeskkondComboBox->setCurrentIndex(static_cast<int>(service.Exposure));
    ui->KasutusigaComboBox->setCurrentIndex(service.DesignLife >= 100 ? 1 : 0);
    ShowText(ui->DcdevEdit, Format("%.1f", {service.CoverDev * 1000}));
    ShowText(ui->FiEdit, Format("%.1f", {service.Phi}));
    ShowText(ui->DgEdit, Format("%.1f", {service.dg * 1000}));
    ShowText(ui->VsdEdit, Format("%.2f", {shear.Vsd}));
    SelectClass(ui->RangKlComboBox, *ArmKlassid, 1, RL->RArmKlass.Name);
    const auto diameter =
        std::find(std::begin(LinkDiameters), std::end(LinkDiameters), shear.LinkD);
    if (diameter != std::end(LinkDiameters))
        ui->RangDComboBox->setCurrentIndex(static_cast<int>(diameter - std::begin(LinkDiameters)));
    ShowText(ui->RangHaradEdit, Format("%.0f", {shear.Legs}));
    ShowText(ui->RangSammEdit, Format("%.1f", {shear.s * 1000}));
    const TMemberInputs &member = RL->Ava;
    ShowText(ui->AvaEdit, Format("%.2f", {member.Span}));
    ui->SkeemComboBox->setCurrentIndex(static_cast<int>(member.Support));
    ui->VaheseinadCheckBox->setChecked(member.Partitions);
    ui->ARidadComboBox->setCurrentIndex(RL->AArmatuur.Rows - 1);
    ui->YRidadComboBox->setCurrentIndex(RL->YArmatuur.Rows - 1);
}

void TMainKordalForm::SetResults()
{
    RL->Calculate();
    const TResultLines lines = DescribeResults(*RL);
    ShowText(ui->AstLabel, lines.Tension);
    RL->AArmatuur.AsReq = lines.TensionReq;
    ShowText(ui->AstProvLabel, lines.TensionBars);
    ShowShortfall(ui->AstProvLabel, lines.TensionShort);
    // A hidden compression group keeps what it showed last.
    for (QWidget *widget :
         std::initializer_list<QWidget *>{ui->AscLabel, ui->YArmKlGroupBox, ui->AscValikButton,
                                          ui->AscProvLabel, ui->YRidadComboBox})
        ShowVisible(widget, lines.Compression);
    if (lines.Compression) {
        ShowText(ui->AscLabel, lines.CompressionText);
        RL->YArmatuur.AsReq = lines.CompressionReq;
        ShowText(ui->AscProvLabel, lines.CompressionBars);
        ShowShortfall(ui->AscProvLabel, lines.CompressionShort);
    }
    const std::tuple<TResultLabel *, bool, QString, bool> checks[] = {
        {ui->MRdLabel, lines.CapacityShown, lines.Capacity, lines.CapacityShort},
        {ui->VaheLabel, lines.ServiceShown, lines.Gap, lines.GapShort},
        {ui->PingeLabel, lines.ServiceShown, lines.Stress, lines.StressShort},
        {ui->PraguLabel, lines.ServiceShown, lines.Crack, lines.CrackShort},
        {ui->KaitseLabel, lines.CoverShown, lines.Cover, lines.CoverShort},
        {ui->KaitseYLabel, lines.CoverCompressionShown, lines.CoverCompression,
         lines.CoverCompressionShort},
        {ui->VRdcLabel, lines.ShearShown, lines.ShearConcrete, false},
        {ui->AswLabel, lines.ShearShown, lines.LinksRequired, lines.LinksRequiredShort},
        {ui->RangLabel, lines.ShearShown, lines.Links, lines.LinksShort},
        {ui->LdLabel, lines.SpanDepthShown, lines.SpanDepth, lines.SpanDepthShort},
        {ui->AnkurLabel, lines.AnchorageShown, lines.Anchorage, false},
        {ui->RibiNihkeLabel, lines.FlangeShearShown, lines.FlangeShear, lines.FlangeShearShort}};
    for (const auto &[label, shown, text, shortfall] : checks)
        ShowLine(label, shown, text, shortfall);
    ShowText(ui->EcmLabel, ModuliText(*RL)); // follows the concrete class and the creep
    ShowText(ui->KonstrKlassLabel, StructuralClassText(*RL)); // and the exposure and life

    ImageCreate();
    UpdateTitle();
}

// Drawing -----------------------------------------------------------------------------------

void TMainKordalForm::ImageCreate()
{
    // The drawing keeps the size it is first made for, in the screen's device pixels.
    if (FDrawingSize.isEmpty())
        FDrawingSize = ui->RLScrollBox->maximumViewportSize() * devicePixelRatioF();
    TDrawingRecord drawing;
    RL->Draw(drawing, FDrawingSize.width(), FDrawingSize.height());
    ui->RistLImage->Show(std::move(drawing), FDrawingSize);
}
