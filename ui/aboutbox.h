// The About box: the program's name, version and a few words on what it does, and the
// machine's total physical memory. It greets the user once at start and opens again from
// the Help menu.
#pragma once

#include <QDialog>
#include <QIcon>
#include <QString>

#include <cstdint>
#include <memory>

namespace Ui
{
class TAboutBox;
}

class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *Parent = nullptr);
    ~TAboutBox() override;

protected:
    void showEvent(QShowEvent *Event) override;
    void changeEvent(QEvent *Event) override; // the texts again in a new language

private:
    void FormCreate();
    void FitTexts();

    std::unique_ptr<Ui::TAboutBox> ui;
};

// The About box of the running program; null while there is none.
extern TAboutBox *AboutBox;

// The machine's total physical memory in bytes, 64-bit (0 if the system does not say).
std::uint64_t TotalPhysicalMemory();

// A byte count as the About box shows it: whole kilobytes (the remainder dropped) divided
// by 1024.0, to the nearest tenth of a megabyte; the tenths digit with the user's decimal
// separator only when it is not 0; then " MB". 2 147 483 648 gives "2048 MB".
QString PhysMemText(std::uint64_t TotalBytes);

// The program's icon (ui/icons): a section with its stress block and bars.
QIcon ProgramIcon();
