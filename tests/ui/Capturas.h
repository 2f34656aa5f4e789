#pragma once
#include "comum/Tela.h"
#include "ui/Telas.h"

// A frame that opens nothing: for screens opened on their own by a test.
class SemNavegacao : public Navegacao {
public:
    void abreMenu(const QString&) override {}
    void abreJanela(QWidget*) override {}
    void encerra() override {}
    QWidget* janela() override { return nullptr; }
};
