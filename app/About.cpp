// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/About.h"

#include "app/ui_About.h"
#include "toolkit/Okna_dialogowe.h"

#include <QIcon>

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* rodzic)
    : Okno_dialogowe(rodzic)
    , ui(std::make_unique<Ui::TAboutBox>())
{
    ui->setupUi(this);
    ui->ProgramIcon->setPixmap(QIcon(QStringLiteral(":/ikony/wolumat.svg")).pixmap(QSize(32, 32)));
    Ustaw_ramke_dialogu(this);
}

TAboutBox::~TAboutBox() = default;
