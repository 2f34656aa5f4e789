#pragma once
#include <QString>

class Interacao;

// One lock per body folder, shared by the desktop program and lumo-cli (an OS file lock on
// "lumo.trava" in the folder, released by the system when the process ends, however it ends).
// Whoever works on the body database holds it shared; backup, restore and package generation
// hold it exclusive, so nobody writes to a database that is about to be replaced.

// How long taking the lock waits for the other program before it is refused.
constexpr int EsperaTrava = 8000;

// Takes the shared lock of the body folder for this process until SoltaOrgao, the end of the
// process or another body taken in its place. Throws ErroBanco with the Portuguese message when
// an exclusive operation keeps it past `esperaMs`.
void SeguraOrgao(const QString& pastaOrgao, int esperaMs = EsperaTrava);
void SoltaOrgao();
// The body folder whose shared lock this process holds (empty when none).
QString OrgaoSeguro();

// The exclusive lock of a body folder for the guard's lifetime. When this process holds the
// folder's shared lock, it lets it go first and takes it back at the end.
class TravaExclusiva {
public:
    explicit TravaExclusiva(const QString& pastaOrgao, int esperaMs = EsperaTrava);
    ~TravaExclusiva();
    TravaExclusiva(const TravaExclusiva&) = delete;
    TravaExclusiva& operator=(const TravaExclusiva&) = delete;

    bool tomada() const { return tomada_; }
    // Why it was refused (empty when taken).
    QString motivo() const { return motivo_; }
    // Whether it was taken; otherwise shows the reason in a warning box.
    bool tomada(Interacao& ui) const;

private:
    long long arquivo_ = -1; // descriptor (POSIX) or HANDLE (Windows)
    bool propria_ = false;   // opened here, not the process's shared hold
    bool tomada_ = false;
    QString motivo_;
};

extern const QString MensagemOrgaoEmUso;
extern const QString MensagemOrgaoAberto;
