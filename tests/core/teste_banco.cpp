#include "comum/BancoTeste.h"
#include "core/Banco.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
int linhas(const Banco& b) { return b.valor("SELECT count(*) FROM t").toInt(); }
} // namespace

// Only the outermost guard commits; an inner one that is left undone takes back its own writes;
// another connection sees nothing until the outermost commit.
TEST(Transacao, AninhadasComPontosDeSalvamento)
{
    QTemporaryDir dir;
    Banco b = Banco::cria(dir.filePath("t.db"));
    b.executa("CREATE TABLE t (x INTEGER)");
    Banco outro = Banco::abre(dir.filePath("t.db"));
    {
        Transacao externa(b);
        b.executa("INSERT INTO t VALUES (1)");
        {
            Transacao interna(b);
            b.executa("INSERT INTO t VALUES (2)");
            interna.confirma();
        }
        {
            Transacao desfeita(b);
            b.executa("INSERT INTO t VALUES (3)");
        }
        EXPECT_EQ(linhas(b), 2);
        EXPECT_EQ(linhas(outro), 0);
        externa.confirma();
    }
    EXPECT_EQ(linhas(outro), 2);

    // An exception that leaves both guards undoes all of it, the confirmed inner part too.
    try {
        Transacao externa(b);
        Transacao interna(b);
        b.executa("INSERT INTO t VALUES (4)");
        interna.confirma();
        b.executa("INSERT INTO tabela_que_nao_existe VALUES (1)");
        externa.confirma();
    } catch (const ErroBanco& e) {
        EXPECT_EQ(e.falha().descricao, "Erro no comando do banco de dados.");
    }
    EXPECT_EQ(linhas(b), 2);
    // The connection is free again for a new outermost transaction.
    Transacao nova(b);
    b.executa("INSERT INTO t VALUES (5)");
    nova.confirma();
    EXPECT_EQ(linhas(outro), 3);
}
