#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QCheckBox;
struct Contexto;

// The backup screen: destination, status, and the backup itself. In exit mode the program
// ends when the backup is done.
class FrmBackup : public QDialog {
    Q_OBJECT
public:
    FrmBackup(Contexto& ctx, bool modoSaida, QWidget* pai = nullptr);
    QLineEdit* destino() const { return destino_; }
    QString situacao() const;
    // Runs the backup into the chosen file (which must end with "BackupLumo.lrf").
    bool executa(const QString& arquivo);

public Q_SLOTS:
    void escolhe();

private:
    Contexto& ctx_;
    bool modoSaida_;
    QLineEdit* destino_;
    QLabel* situacao_;
};

// The question asked on exit: make a backup now? With "Não fazer esta pergunta novamente.".
class FrmDlgBackup : public QDialog {
    Q_OBJECT
public:
    FrmDlgBackup(Contexto& ctx, QWidget* pai = nullptr);
    QCheckBox* naoPerguntar() const { return naoPerguntar_; }
    void responde(bool sim);

private:
    Contexto& ctx_;
    QCheckBox* naoPerguntar_;
};

// The restore screen: choose a "BackupLumo.lrf" and put it in place of the body database.
class FrmRestauracao : public QDialog {
    Q_OBJECT
public:
    FrmRestauracao(Contexto& ctx, QWidget* pai = nullptr);
    bool executa(const QString& arquivo);

public Q_SLOTS:
    void escolhe();

private:
    Contexto& ctx_;
    QLabel* situacao_;
};
