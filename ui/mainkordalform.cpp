#include "mainkordalform.h"
#include "ui_mainkordalform.h"

#include "aboutbox.h"
#include "armtabelform.h"
#include "classes.h"
#include "numformat.h"
#include "qtcanvas.h"
#include "resultlines.h"
#include "ristloige.h"
#include "rplristloige.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>
#include <string>
#include <tuple>

TMainKordalForm *MainKordalForm = nullptr;

namespace
{
const QColor ShortfallColour(255, 0, 0);

// Labels grow and shrink with their text, so no result is ever cut off.
void SetCaption(QLabel *Label, const QString &Text)
{
    Label->setText(Text);
    Label->adjustSize();
}

// A "Valitud" label's background: red when the chosen bars fall short of the required
// area, otherwise the face colour of buttons, the window's normal background.
void SetShortfall(QLabel *Label, bool Shortfall)
{
    QPalette palette = Label->palette();
    palette.setColor(QPalette::Window,
                     Shortfall ? ShortfallColour : QApplication::palette().color(QPalette::Button));
    Label->setPalette(palette);
}

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
    for (QLabel *label : ui->GroupBox1->findChildren<QLabel *>())
        if (label != ui->RistLImage)
            label->adjustSize();
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

void TMainKordalForm::createMenuConnections()
{
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
    SetCaption(ui->fckLabel, Format("fck = %.1f MPa", {bet.fck}));
    SetCaption(ui->fcdLabel, Format("fcd = %.1f MPa", {bet.fcd}));
    SetCaption(ui->gcLabel, Format("gc = %.2f", {bet.gc}));
    SetCaption(ui->alfaLabel, Format("alfa,cc = %.2f", {bet.alfacc}));
}

void TMainKordalForm::SetAValues()
{
    SelectClass(ui->AArmKlComboBox, *ArmKlassid, 1, RL->AArmKlass.Name);
    TArmKlass &arm = RL->AArmKlass;
    arm.CalcValues();
    SetCaption(ui->AgsLabel, Format("gs = %.2f", {arm.gs}));
    SetCaption(ui->AfykLabel, Format("fyk = %.1f MPa", {arm.fyk}));
    SetCaption(ui->AEsLabel, Format("Es = %.1f GPa", {arm.Es}));
    SetCaption(ui->AfydLabel, Format("fyd = %.2f MPa", {arm.fyd}));
}

void TMainKordalForm::SetYValues()
{
    SelectClass(ui->YArmKlComboBox, *ArmKlassid, 1, RL->YArmKlass.Name);
    TArmKlass &arm = RL->YArmKlass;
    arm.CalcValues();
    SetCaption(ui->YgsLabel, Format("gs = %.2f", {arm.gs}));
    SetCaption(ui->YfykLabel, Format("fyk = %.1f MPa", {arm.fyk}));
    SetCaption(ui->YEsLabel, Format("Es = %.1f GPa", {arm.Es}));
    // fyd, not the design stress of compression bars (fycd), as the tension group shows it.
    SetCaption(ui->YfydLabel, Format("fyd = %.2f MPa", {arm.fyd}));
}

void TMainKordalForm::SetRLValues()
{
    RL->CalcDesignValues(); // may reduce a and ap to h/2: the fields show what is used
    SetBetValues();
    SetYValues();
    SetAValues();
    ui->MsdEdit->setText(Format("%.2f", {RL->Msd}));
    ui->aEdit->setText(Format("%.1f", {RL->a * 1000}));
    ui->apEdit->setText(Format("%.1f", {RL->ap * 1000}));
    if (!IsRPL) {
        ui->hEdit->setText(Format("%.1f", {RL->h * 1000}));
        ui->bEdit->setText(Format("%.1f", {RL->b * 1000}));
    } else {
        const auto &rpl = static_cast<const TRPLRistLoige &>(*RL);
        ui->hEditRPL->setText(Format("%.1f", {rpl.h * 1000}));
        ui->bEditRPL->setText(Format("%.1f", {rpl.b * 1000}));
        ui->hfEdit->setText(Format("%.1f", {rpl.hf * 1000}));
        ui->bwEdit->setText(Format("%.1f", {rpl.bw * 1000}));
    }
    SetServiceValues();
}

void TMainKordalForm::SetServiceValues()
{
    const TServiceInputs &service = RL->Kasutus;
    const TShearInputs &shear = RL->Nihe;
    ui->MkEdit->setText(Format("%.2f", {service.Mk}));
    ui->MqpEdit->setText(Format("%.2f", {service.Mqp}));
    ui->KeskkondComboBox->setCurrentIndex(static_cast<int>(service.Exposure));
    ui->FiEdit->setText(Format("%.1f", {service.Phi}));
    ui->DgEdit->setText(Format("%.1f", {service.dg * 1000}));
    ui->VsdEdit->setText(Format("%.2f", {shear.Vsd}));
    SelectClass(ui->RangKlComboBox, *ArmKlassid, 1, RL->RArmKlass.Name);
    const auto diameter =
        std::find(std::begin(LinkDiameters), std::end(LinkDiameters), shear.LinkD);
    if (diameter != std::end(LinkDiameters))
        ui->RangDComboBox->setCurrentIndex(static_cast<int>(diameter - std::begin(LinkDiameters)));
    ui->RangHaradEdit->setText(Format("%.0f", {shear.Legs}));
    ui->RangSammEdit->setText(Format("%.1f", {shear.s * 1000}));
}

void TMainKordalForm::SetResults()
{
    RL->Calculate();
    const TResultLines lines = DescribeResults(*RL);
    SetCaption(ui->AstLabel, lines.Tension);
    RL->AArmatuur.AsReq = lines.TensionReq;
    SetCaption(ui->AstProvLabel, lines.TensionBars);
    SetShortfall(ui->AstProvLabel, lines.TensionShort);
    // A hidden compression group keeps what it showed last.
    ui->AscLabel->setVisible(lines.Compression);
    ui->YArmKlGroupBox->setVisible(lines.Compression);
    ui->AscValikButton->setVisible(lines.Compression);
    ui->AscProvLabel->setVisible(lines.Compression);
    if (lines.Compression) {
        SetCaption(ui->AscLabel, lines.CompressionText);
        RL->YArmatuur.AsReq = lines.CompressionReq;
        SetCaption(ui->AscProvLabel, lines.CompressionBars);
        SetShortfall(ui->AscProvLabel, lines.CompressionShort);
    }
    ui->MRdLabel->setVisible(lines.CapacityShown);
    SetCaption(ui->MRdLabel, lines.Capacity);
    SetShortfall(ui->MRdLabel, lines.CapacityShort);
    const std::tuple<QLabel *, bool, QString, bool> checks[] = {
        {ui->VaheLabel, lines.ServiceShown, lines.Gap, lines.GapShort},
        {ui->PingeLabel, lines.ServiceShown, lines.Stress, lines.StressShort},
        {ui->PraguLabel, lines.ServiceShown, lines.Crack, lines.CrackShort},
        {ui->VRdcLabel, lines.ShearShown, lines.ShearConcrete, false},
        {ui->AswLabel, lines.ShearShown, lines.LinksRequired, lines.LinksRequiredShort},
        {ui->RangLabel, lines.ShearShown, lines.Links, lines.LinksShort}};
    for (const auto &[label, shown, text, shortfall] : checks) {
        label->setVisible(shown);
        SetCaption(label, text);
        SetShortfall(label, shortfall);
    }
    SetCaption(ui->EcmLabel, ModuliText(*RL)); // follows the concrete class and the creep

    ImageCreate();
    UpdateTitle();
}

// Drawing -----------------------------------------------------------------------------------

void TMainKordalForm::ImageCreate()
{
    // The picture keeps the size it is first made with, in the screen's device pixels so
    // the section stays sharp on a high-density screen.
    if (FImage.isNull()) {
        const qreal ratio = devicePixelRatioF();
        FImage = QImage(ui->RLScrollBox->maximumViewportSize() * ratio, QImage::Format_RGB32);
        FImage.setDevicePixelRatio(ratio);
    }
    FImage.fill(Qt::white);
    ImagePaint();
}

void TMainKordalForm::ImagePaint()
{
    {
        TQtCanvas canvas(FImage);
        RL->Draw(canvas, FImage.width(), FImage.height());
    }
    ui->RistLImage->setPixmap(QPixmap::fromImage(FImage));
}
