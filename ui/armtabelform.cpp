#include "armtabelform.h"

#include "ristloige.h"
#include "ui_armtabelform.h"

std::uint8_t ArmValik = 0;

TArmTabelForm::TArmTabelForm(TRistLoige &RL, QWidget *Parent)
    : QDialog(Parent), ui(std::make_unique<Ui::TArmTabelForm>()), RL(RL)
{
    ui->setupUi(this);
}

TArmTabelForm::~TArmTabelForm() = default;

void TArmTabelForm::FormCreate() {}
void TArmTabelForm::ArmStringGridClick() {}
void TArmTabelForm::OKButtonClick() {}
void TArmTabelForm::TakeCurrentCell() {}

void ShowArmTabel(TRistLoige &RL, QWidget *Parent)
{
    TArmTabelForm Form(RL, Parent);
    Form.exec();
}
