// The bar selection dialog "Armatuuri valik": a table of the areas of 1..10 bars of each
// standard diameter, in which the user picks the bars of one layer of a section.
//
// The dialog works on a copy (Armatuur) of the section's tension or compression bar group,
// chosen by ArmValik. Every move of the grid's current cell, by mouse or keys, takes the
// count and diameter from the cell and shows the provided area against the required one.
// OK copies the working group back into the section; any other way of closing leaves the
// section untouched. The caller refreshes its results either way. A cell whose bars do not
// fit in one row of the layer is greyed, with the reason as its tooltip.
//
// The section is passed in rather than taken from the main window, so the dialog can be
// built and tested on a section of its own.
#pragma once

#include "armatuurid.h"

#include <QDialog>

#include <cstdint>
#include <memory>

class TRistLoige;

namespace Ui
{
class TArmTabelForm;
}

// The layer the dialog works on: 0 the tension bars (AArmatuur), 1 the compression bars
// (YArmatuur). The "Valik>" buttons set it before they open the dialog.
extern std::uint8_t ArmValik;

class TArmTabelForm : public QDialog
{
    Q_OBJECT

public:
    explicit TArmTabelForm(TRistLoige &RL, QWidget *Parent = nullptr);
    ~TArmTabelForm() override;

protected:
    void showEvent(QShowEvent *Event) override;

private:
    void FormCreate();
    // Widens the grid's cells where the font is wider than the design's.
    void FitGridToText();
    // Runs on every move of the current cell: takes the bars from the cell, recomputes the
    // provided area and shows it against the required one.
    void ArmStringGridClick();
    void OKButtonClick();
    // Count and diameter of the current data cell into Armatuur, with its area; false,
    // and Armatuur untouched, when no data cell is current.
    bool TakeCurrentCell();
    // Label2's background: red for a shortfall, otherwise the colour of the buttons.
    void SetLabel2Short(bool Short);
    // RL's group chosen by ArmValik, or null for any other value.
    TArmatuurid *SelectedGroup() const;

    std::unique_ptr<Ui::TArmTabelForm> ui;
    TRistLoige &RL;
    TArmatuurid *Group = nullptr; // RL's group being chosen, fixed when the dialog opens
    TArmatuurid Armatuur;         // the working copy of that group
};

// Where a window at Window goes on a screen whose free area is Available: its own place
// when it fits there, otherwise moved the least distance that puts it wholly inside.
QPoint PlaceOnScreen(const QRect &Window, const QRect &Available);

// Opens the dialog modally on RL's group selected by ArmValik and destroys it afterwards.
void ShowArmTabel(TRistLoige &RL, QWidget *Parent);
