#pragma once

#include "toolkit/Okna_dialogowe.h"

#include <memory>

class QFrame;
class QLabel;
class QPushButton;

namespace Ui {
class TAboutBox;
}

class TAboutBox : public Okno_dialogowe {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* rodzic = nullptr);
    ~TAboutBox() override;

    QFrame* Panel1;
    QPushButton* OKButton;
    QLabel* ProgramIcon;
    QLabel* Nazwa;
    QLabel* Wersja;
    QLabel* Autor;

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    std::unique_ptr<Ui::TAboutBox> ui;
};

extern TAboutBox* AboutBox;
