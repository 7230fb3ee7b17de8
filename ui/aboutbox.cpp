#include "aboutbox.h"
#include "ui_aboutbox.h"

#include "numformat.h"

#include <QGuiApplication>
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

// The same picture as the desktop icon: a section with its compression zone, neutral axis
// and bar layers, drawn on a 256-unit square at each size.
QIcon ProgramIcon()
{
    // QIcon decodes each file as it is added: only the sizes a window shows. The large ones
    // are the desktop's, from the installed theme.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/kordal-%1.png").arg(size), QSize(size, size));
    return icon;
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
    FitTexts();
}

void TAboutBox::FitTexts()
{
    for (QLabel *label : findChildren<QLabel *>())
        if (label != ui->ProgramIcon)
            label->adjustSize();
}

void TAboutBox::changeEvent(QEvent *Event)
{
    QDialog::changeEvent(Event);
    if (Event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        FitTexts();
    }
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
