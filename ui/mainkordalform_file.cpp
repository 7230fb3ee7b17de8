// The window's document: both shapes' inputs, classes and bars as a section file. Open and
// Save as go through the file dialog; a file's name is in the title, with an asterisk while
// the window holds changes not in it; closing, Exit and opening another file ask before such
// changes are dropped. A session that never opened or saved a file asks nothing.
#include "mainkordalform.h"
#include "ui_mainkordalform.h"

#include "classes.h"
#include "report.h"
#include "rplristloige.h"
#include "sectionfile.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <algorithm>

void TMainKordalForm::createFileConnections()
{
    connect(ui->OpenItem, &QAction::triggered, this, &TMainKordalForm::OpenItemClick);
    connect(ui->SaveItem, &QAction::triggered, this, &TMainKordalForm::SaveItemClick);
    connect(ui->SaveAsItem, &QAction::triggered, this, &TMainKordalForm::SaveAsItemClick);
    connect(ui->ExportPdfItem, &QAction::triggered, this, &TMainKordalForm::ExportPdfItemClick);
    connect(ui->PrintItem, &QAction::triggered, this, &TMainKordalForm::PrintItemClick);
}

TSectionDocument TMainKordalForm::CurrentDocument() const
{
    // The shape shown is RL; the other one waits in its stored section.
    TSectionDocument doc;
    doc.RibbedSlabShown = IsRPL;
    doc.Rectangle = InputsOf(IsRPL ? static_cast<const TRistLoige &>(*StoredRistLoige) : *RL);
    doc.RibbedSlab = InputsOf(IsRPL ? *RL : *StoredRPLRistLoige);
    return doc;
}

void TMainKordalForm::UpdateTitle()
{
    if (FFileName.isEmpty()) {
        setWindowTitle(FBaseTitle);
        return;
    }
    setWindowTitle(FBaseTitle + QString::fromUtf8(" – ") + QFileInfo(FFileName).fileName() +
                   QStringLiteral("[*]"));
    setWindowModified(CurrentDocument() != FSavedDocument);
}

bool TMainKordalForm::MayDropChanges()
{
    CommitEditing();
    if (FFileName.isEmpty() || !isWindowModified())
        return true;
    QMessageBox box(QMessageBox::Question, tr("Salvestamata muudatused"),
                    tr("Salvesta muudatused faili %1?").arg(QFileInfo(FFileName).fileName()),
                    QMessageBox::NoButton, this);
    QPushButton *save = box.addButton(tr("Salvesta"), QMessageBox::AcceptRole);
    box.addButton(tr("Ära salvesta"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(tr("Loobu"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveTo(FFileName);
    return box.clickedButton() != cancel;
}

bool TMainKordalForm::OpenFile(const QString &Path)
{
    const auto read = LoadSectionFile(Path);
    if (const QString *error = std::get_if<QString>(&read)) {
        QMessageBox::warning(this, tr("Hoiatus"), *error);
        return false;
    }
    const auto &doc = std::get<TSectionDocument>(read);
    ApplyInputs(doc.Rectangle, *StoredRistLoige);
    ApplyInputs(doc.RibbedSlab, *StoredRPLRistLoige);
    FFileName = Path;
    FSavedDocument = doc;
    SetPageQuietly(doc.RibbedSlabShown);
    ReplaceSection(doc.RibbedSlabShown); // as if typed: design values, results, drawing
    return true;
}

bool TMainKordalForm::SaveTo(const QString &Path)
{
    CommitEditing();
    const TSectionDocument doc = CurrentDocument();
    if (const QString error = SaveSectionFile(Path, doc); !error.isEmpty()) {
        QMessageBox::warning(this, tr("Hoiatus"), error);
        return false;
    }
    FFileName = Path;
    FSavedDocument = doc;
    UpdateTitle();
    return true;
}

void TMainKordalForm::OpenItemClick()
{
    if (!MayDropChanges())
        return;
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Ava", "opening a file"), QFileInfo(FFileName).path(),
                                     tr("Kordal ristlõiked (*.kordal)"));
    if (!path.isEmpty())
        OpenFile(path);
}

void TMainKordalForm::SaveItemClick()
{
    if (FFileName.isEmpty())
        SaveAsItemClick();
    else
        SaveTo(FFileName);
}

void TMainKordalForm::SaveAsItemClick()
{
    CommitEditing();
    QString path = QFileDialog::getSaveFileName(
        this, tr("Salvesta kui"), FFileName.isEmpty() ? tr("ristloige.kordal") : FFileName,
        tr("Kordal ristlõiked (*.kordal)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".kordal");
    SaveTo(path);
}

// The calculation sheet of the section shown, as it stands on the screen.
void TMainKordalForm::ExportPdfItemClick()
{
    CommitEditing();
    const QFileInfo file(FFileName);
    QString path = QFileDialog::getSaveFileName(
        this, tr("Ekspordi PDF"),
        FFileName.isEmpty() ? tr("ristloige.pdf")
                            : file.dir().filePath(file.completeBaseName() + QStringLiteral(".pdf")),
        tr("PDF-failid (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const QString error = WriteSheetPdf(path, *RL, file.fileName(), QDateTime::currentDateTime());
    if (!error.isEmpty())
        QMessageBox::warning(this, tr("Hoiatus"), error);
}

void TMainKordalForm::PrintItemClick()
{
    CommitEditing();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, SheetPages);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        QMessageBox::warning(this, tr("Hoiatus"), tr("Printerisse ei saa kirjutada."));
        return;
    }
    // The pages the dialog asked for (all when no range was given), each on a sheet of its own.
    const int first = std::max(printer.fromPage(), 1);
    const int last = printer.toPage() > 0 ? std::min(printer.toPage(), SheetPages) : SheetPages;
    const QDateTime when = QDateTime::currentDateTime();
    for (int page = first; page <= last; ++page) {
        if (page > first && !printer.newPage()) {
            QMessageBox::warning(this, tr("Hoiatus"), tr("Printerisse ei saa kirjutada."));
            return;
        }
        PaintSheet(painter, page - 1, printer.pageLayout().paintRectPixels(printer.resolution()),
                   printer.resolution(), *RL, QFileInfo(FFileName).fileName(), when);
    }
}

void TMainKordalForm::closeEvent(QCloseEvent *Event)
{
    if (MayDropChanges())
        Event->accept();
    else
        Event->ignore();
}
