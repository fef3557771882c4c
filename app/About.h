// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Okna_dialogowe.h"

#include <memory>

namespace Ui {
class TAboutBox;
}

class TAboutBox : public Okno_dialogowe {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* rodzic = nullptr);
    ~TAboutBox() override;

private:
    std::unique_ptr<Ui::TAboutBox> ui;
};

extern TAboutBox* AboutBox;
