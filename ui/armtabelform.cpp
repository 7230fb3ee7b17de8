#include "armtabelform.h"

#include "numformat.h"
#include "resultlines.h"
#include "ristloige.h"
#include "ui_armtabelform.h"

#include <QColor>
#include <QPalette>
#include <QScreen>
#include <QTableWidgetItem>

#include <algorithm>

std::uint8_t ArmValik = 0;

namespace
{
// The screen position of the dialog's design, in the units of armtabelform.ui.
constexpr int DesignLeft = 353;
constexpr int DesignTop = 191;

// A layer is short when the bars provide less than the required area. The grid's marks and
// Label2's colour both ask this, with areas from BarArea, so a cell is marked exactly when
// selecting it turns Label2 red.
bool IsShort(double AsReq, double AsProv)
{
    return AsReq > AsProv;
}

// The fixed row and column: not selectable, so neither clicks nor arrow keys land there,
// with the text kept black and the background of the window's buttons.
QTableWidgetItem *FixedCell(const QString &Text, const QPalette &Palette)
{
    auto *Item = new QTableWidgetItem(Text);
    Item->setFlags(Qt::NoItemFlags);
    Item->setForeground(Palette.color(QPalette::Active, QPalette::ButtonText));
    Item->setBackground(Palette.color(QPalette::Active, QPalette::Button));
    Item->setTextAlignment(Qt::AlignCenter);
    return Item;
}
} // namespace

TArmTabelForm::TArmTabelForm(TRistLoige &RL, QWidget *Parent)
    : QDialog(Parent), ui(std::make_unique<Ui::TArmTabelForm>()), RL(RL)
{
    ui->setupUi(this);
    FitGridToText();
    move(DesignLeft, DesignTop);
    FormCreate();
    connect(ui->OKButton, &QPushButton::clicked, this, &TArmTabelForm::OKButtonClick);
}

TArmTabelForm::~TArmTabelForm() = default;

void TArmTabelForm::showEvent(QShowEvent *Event)
{
    // The designed position where the dialog, frame and all, fits on the screen of the
    // window it belongs to; the frame is known once the dialog is shown.
    QDialog::showEvent(Event);
    const QWidget *owner = parentWidget() ? parentWidget()->window() : this;
    if (const QScreen *screen = owner->screen())
        move(PlaceOnScreen(QRect(QPoint(DesignLeft, DesignTop), frameGeometry().size()),
                           screen->availableGeometry()));
}

void TArmTabelForm::FitGridToText()
{
    // The design's cells fit the widest text, "x " and the largest area, in the narrow
    // bitmap font it was drawn with; a substitute font may be wider. Cells grow to their
    // text, never shrink, and the grid and the dialog grow with them, so that every cell
    // shows whole without scrolling.
    QTableWidget *Grid = ui->ArmStringGrid;
    // Ask the view itself what the widest text needs, margins and grid line included.
    Grid->setItem(1, 1,
                  new QTableWidgetItem(Format("x %.2f", {BarArea(10, ArmDiameetrid.back())})));
    const int DesignWidth = Grid->columnWidth(1);
    const int DesignHeight = Grid->rowHeight(1);
    Grid->resizeColumnToContents(1);
    Grid->resizeRowToContents(1);
    const int ColWidth = std::max(DesignWidth, Grid->columnWidth(1));
    const int RowHeight = std::max(DesignHeight, Grid->rowHeight(1));
    delete Grid->takeItem(1, 1);
    for (int j = 0; j < Grid->columnCount(); ++j)
        Grid->setColumnWidth(j, ColWidth);
    for (int r = 0; r < Grid->rowCount(); ++r)
        Grid->setRowHeight(r, RowHeight);

    const int Frame = 2 * Grid->frameWidth();
    const int GrowW = std::max(0, Frame + ColWidth * Grid->columnCount() - Grid->width());
    const int GrowH = std::max(0, Frame + RowHeight * Grid->rowCount() - Grid->height());
    Grid->resize(Grid->width() + GrowW, Grid->height() + GrowH);
    ui->OKButton->move(ui->OKButton->x() + GrowW / 2, ui->OKButton->y() + GrowH);
    resize(width() + GrowW, height() + GrowH);
}

TArmatuurid *TArmTabelForm::SelectedGroup() const
{
    if (ArmValik == 0)
        return &RL.AArmatuur;
    if (ArmValik == 1)
        return &RL.YArmatuur;
    return nullptr;
}

void TArmTabelForm::FormCreate()
{
    // The layer is chosen once: OK writes back into the group that was read.
    Group = SelectedGroup();
    if (Group)
        Group->Assign(Armatuur);
    ui->Label2->setText(Format("As,req = %.2f cm2", {Armatuur.AsReq}));
    ui->Label2->adjustSize();
    SetLabel2Short(false);

    QTableWidget *Grid = ui->ArmStringGrid;
    const QPalette &Pal = palette();
    Grid->setItem(0, 0, FixedCell(tr("D \\ Arv"), Pal));
    for (int j = 1; j < Grid->columnCount(); ++j)
        Grid->setItem(0, j, FixedCell(QString::number(j), Pal));
    for (int r = 1; r < Grid->rowCount(); ++r)
        Grid->setItem(r, 0, FixedCell(QString::number(ArmDiameetrid[r - 1]), Pal));
    for (int j = 1; j < Grid->columnCount(); ++j) {
        for (int r = 1; r < Grid->rowCount(); ++r) {
            const double Area = BarArea(j, ArmDiameetrid[r - 1]);
            auto *Item = new QTableWidgetItem(
                IsShort(Armatuur.AsReq, Area) ? Format("x %.2f", {Area}) : Format("%.2f", {Area}));
            Item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            Item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // Bars that cannot be placed in one row stay choosable, greyed, saying why.
            const QString Misfit = BarFitProblem(RL, ArmValik == 1, j, ArmDiameetrid[r - 1]);
            if (!Misfit.isEmpty()) {
                Item->setForeground(Pal.color(QPalette::Disabled, QPalette::Text));
                Item->setToolTip(Misfit);
            }
            Grid->setItem(r, j, Item);
        }
    }

    // Like a string grid, the current cell starts on the first data cell. The handler is
    // connected only afterwards, so this start is not a selection.
    Grid->setCurrentCell(1, 1);
    connect(Grid, &QTableWidget::currentCellChanged, this, &TArmTabelForm::ArmStringGridClick);

    // Place the current cell on the group's bars: the row first, then the column. Each
    // move that changes the cell runs the click handling, so Label2 shows both areas.
    int Row = 1;
    for (std::size_t i = 0; i < ArmDiameetrid.size(); ++i) {
        if (ArmDiameetrid[i] == Armatuur.D) {
            Row = static_cast<int>(i) + 1;
            break;
        }
    }
    const int Column = Armatuur.Arv;
    if (Row != Grid->currentRow())
        Grid->setCurrentCell(Row, Grid->currentColumn());
    if (Column >= 1 && Column < Grid->columnCount() && Column != Grid->currentColumn())
        Grid->setCurrentCell(Grid->currentRow(), Column);
}

bool TArmTabelForm::TakeCurrentCell()
{
    const int Row = ui->ArmStringGrid->currentRow();
    const int Column = ui->ArmStringGrid->currentColumn();
    if (Row < 1 || Row > static_cast<int>(ArmDiameetrid.size()) || Column < 1 ||
        Column >= ui->ArmStringGrid->columnCount())
        return false;
    Armatuur.Arv = Column;
    Armatuur.D = ArmDiameetrid[Row - 1];
    Armatuur.AsProv = BarArea(Armatuur.Arv, Armatuur.D);
    return true;
}

void TArmTabelForm::ArmStringGridClick()
{
    if (!TakeCurrentCell())
        return;
    SetLabel2Short(IsShort(Armatuur.AsReq, Armatuur.AsProv));
    ui->Label2->setText(
        Format("As,req = %.2f cm2, As,prov = %.2f cm2", {Armatuur.AsReq, Armatuur.AsProv}));
    ui->Label2->adjustSize();
}

void TArmTabelForm::SetLabel2Short(bool Short)
{
    QPalette Pal = ui->Label2->palette();
    Pal.setColor(QPalette::Window, Short ? QColor(255, 0, 0) : palette().color(QPalette::Button));
    ui->Label2->setPalette(Pal);
}

void TArmTabelForm::OKButtonClick()
{
    TakeCurrentCell();
    if (Group)
        Armatuur.Assign(*Group);
    accept();
}

QPoint PlaceOnScreen(const QRect &Window, const QRect &Available)
{
    // Along each axis: where it was if it fits, else moved the least that puts it inside;
    // a window larger than the screen starts at the screen's edge.
    auto place = [](int At, int Size, int First, int Room) {
        return Size >= Room ? First : std::clamp(At, First, First + Room - Size);
    };
    return {place(Window.x(), Window.width(), Available.x(), Available.width()),
            place(Window.y(), Window.height(), Available.y(), Available.height())};
}

void ShowArmTabel(TRistLoige &RL, QWidget *Parent)
{
    TArmTabelForm Form(RL, Parent);
    Form.exec();
}
