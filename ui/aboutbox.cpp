#include "aboutbox.h"
#include "ui_aboutbox.h"

#include "numformat.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include <cmath>
#include <unistd.h>

TAboutBox *AboutBox = nullptr;

std::uint64_t TotalPhysicalMemory()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return 0;
    return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
}

QString PhysMemText(std::uint64_t TotalBytes)
{
    const std::uint64_t kilobytes = TotalBytes >> 10;
    const double megabytes = static_cast<double>(kilobytes) / 1024.0;
    // Whole tenths, halves away from zero. megabytes * 10 is exact: a whole number of
    // kilobytes over 1024 has at most ten binary fraction digits.
    const long long tenths = std::llround(megabytes * 10.0);
    QString text = QString::number(tenths / 10);
    if (tenths % 10 != 0)
        text += DecimalSeparator() + QString::number(tenths % 10);
    return text + QStringLiteral(" MB");
}

QIcon ProgramIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // Concrete outline, the compression zone on top and a layer of tension bars below.
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(0xc0, 0xc0, 0xc0));
    painter.drawRect(6, 1, 19, 29);
    painter.fillRect(7, 2, 18, 9, QColor(0x80, 0x80, 0x80));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    for (int x : {9, 14, 19})
        painter.drawEllipse(x, 23, 4, 4);
    painter.end();
    return QIcon(pixmap);
}

TAboutBox::TAboutBox(QWidget *Parent)
    : QDialog(Parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TAboutBox>())
{
    ui->setupUi(this);
    FormCreate();
}

TAboutBox::~TAboutBox()
{
    if (AboutBox == this)
        AboutBox = nullptr;
}

void TAboutBox::FormCreate()
{
    setFixedSize(size());
    connect(ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
    ui->ProgramIcon->setPixmap(ProgramIcon().pixmap(32, 32));
    setWindowIcon(ProgramIcon());
    ui->PhysMem->setText(PhysMemText(TotalPhysicalMemory()));
    for (QLabel *label : findChildren<QLabel *>())
        if (label != ui->ProgramIcon)
            label->adjustSize();
}

void TAboutBox::showEvent(QShowEvent *Event)
{
    // Centred on the screen, wherever the main window stands.
    if (!Event->spontaneous()) {
        const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
        if (screen)
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(Event);
}
