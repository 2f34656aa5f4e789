#pragma once
#include "submission/Pacote.h"

#include <QWidget>
#include <functional>
#include <map>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
struct Contexto;

// What the generation screen calls outside itself, so that a test can stand in for it.
struct ServicosGeracao {
    FuncaoCriticas criticas;                                                       // ExecutaCriticas when empty
    std::function<void(Contexto&, QWidget*, const Problemas&)> mostraProblemas;   // MostraProblemas when empty
};

// "Gerar Disquete": the annexes due in the open bimester, the destination folder, the generate
// command (once per opening), its status line and copy progress, and the packages generated
// before.
class FrmGeraDisquete : public QWidget {
    Q_OBJECT
public:
    explicit FrmGeraDisquete(Contexto& ctx, ServicosGeracao servicos = {}, QWidget* pai = nullptr);

    QTableWidget* grade() const { return grd_; }
    QTableWidget* envios() const { return envios_; }
    QLineEdit* destino() const { return txtArquivo_; }
    QLabel* situacao() const { return lblStatus_; }
    QPushButton* gerar() const { return cmdGerar_; }
    const ResultadoPacote& resultado() const { return resultado_; }

public Q_SLOTS:
    void gera();
    void procura();

private:
    void preencheAnexos();
    void preencheEnvios();
    void mostraSituacao(const QString& texto);
    void slotGravado(int slot, int registros);

    Contexto& ctx_;
    ServicosGeracao servicos_;
    QTableWidget* grd_;
    QTableWidget* envios_;
    QLineEdit* txtArquivo_;
    QLabel* lblStatus_;
    QProgressBar* barra_;
    QPushButton* cmdGerar_;
    std::map<int, int> linhaDoSlot_;
    ResultadoPacote resultado_;
};
