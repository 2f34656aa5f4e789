#include "Processo.h"
#include "core/Banco.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/file.h>




TEST(Cli, InstalarOrgaoESituacao)
{
    QTemporaryDir dir;
    const QString prog = dir.filePath("programa");
    ASSERT_EQ(ExecutaCli({"--programa", prog, "instalar"}).codigo, 0);
    for (const char* arquivo : {"/data.mdb", "/data/Lumo.mdb", "/data/export.mdb"})
        EXPECT_TRUE(QFile::exists(prog + arquivo)) << arquivo;
    auto r = ExecutaCli({"--programa", prog, "instalar"});
    EXPECT_TRUE(r.codigo == 0 && r.out.contains("nada foi alterado"));
    r = ExecutaCli({"--programa", prog, "orgao", "listar"});
    ASSERT_EQ(r.codigo, 0);
    EXPECT_TRUE(r.out.contains("P001") && !r.out.contains("* P001"));
    EXPECT_EQ(ExecutaCli({"--programa", prog, "orgao", "adicionar", "XYZ9"}).codigo, 1);
    r = ExecutaCli({"--programa", prog, "orgao", "adicionar", "P001"});
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("O programa Lumo criou uma pasta para armazenar as informações do órgão "));

    // Once a body exists, listing signs in; the user name is taken in any case.
    EXPECT_EQ(ExecutaCli({"--programa", prog, "orgao", "listar"}).codigo, 2);
    r = ExecutaCli({"--programa", prog, "--usuario", "ADMIN", "orgao", "listar"}, "admin");
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("* P001"));
    r = ExecutaCli({"--programa", prog, "--orgao", "P001", "--usuario", "admin", "situacao"}, "admin");
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    const QStringList linhas = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(linhas.size(), 3);
    EXPECT_TRUE(linhas[0].startsWith("Órgão: "));
    EXPECT_EQ(linhas[1], "Período aberto: 01/2012");
    for (const QString& linha : linhas.mid(2)) {
        const QStringList campos = linha.split('\t');
        ASSERT_EQ(campos.size(), 4) << linha.toStdString();
        EXPECT_EQ(campos[0].size(), 2);
        EXPECT_TRUE(campos[2].startsWith("Obrigatório"));
        EXPECT_TRUE(campos[3] == "Preenchido" || campos[3] == "EmBranco");
    }
    r = ExecutaCli({"--programa", prog, "--orgao", "P001", "--usuario", "ADMIN", "situacao"}, "errada");
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE((r.out + r.err).contains("Identificação de Usuário ou Senha não reconhecido(s)."));
    EXPECT_EQ(ExecutaCli({"--programa", prog, "--orgao", "Q999", "--usuario", "ADMIN", "situacao"}, "admin").codigo, 2);
}

// Wrong use ends with 2, a folder that is not a program folder too.
TEST(Cli, UsoErrado)
{
    QTemporaryDir dir;
    const QStringList usos[] = {{}, {"--programa", dir.path(), "naoexiste"}, {"--programa", dir.path(), "--usuario"}};
    for (const QStringList& uso : usos)
        EXPECT_EQ(ExecutaCli(uso).codigo, 2) << uso.join(' ').toStdString();
    const auto r = ExecutaCli({"--programa", dir.path(), "--usuario", "ADMIN", "situacao"}, "admin");
    EXPECT_EQ(r.codigo, 2);
    EXPECT_TRUE(r.err.contains("Ocorreu um erro na abertura do banco de dados."));
}

// A damaged or foreign database never aborts: a Portuguese message and exit 2, and none of the
// database engine's English notices on the terminal.
TEST(Cli, BancoDanificado)
{
    auto corrompe = [](const QString& arquivo) {
        QFile f(arquivo);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(100); // the schema's page
        f.write(QByteArray(2000, '\x5a'));
    };
    auto esvazia = [](const QString& arquivo) { QFile f(arquivo); ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)); };
    auto escreve = [](const QString& arquivo) { QFile f(arquivo); ASSERT_TRUE(f.open(QIODevice::WriteOnly)); f.write("isto não é um banco"); };
    auto apaga = [](const char* tabela) {
        return [tabela](const QString& arquivo) { Banco::abre(arquivo).executa(QStringLiteral("DROP TABLE ") + tabela); };
    };
    const struct {
        const char* nome;
        bool configuracao; // data.mdb (else the body's database)
        std::function<void(const QString&)> dano;
        const char* mensagem;
    } casos[] = {
        {"data.mdb vazio", true, esvazia, "não é um banco de configuração"},
        {"data.mdb de texto", true, escreve, "não é um banco de configuração"},
        {"data.mdb sem OrgaosCad", true, apaga("OrgaosCad"), "não é um banco de configuração"},
        {"sem tabGrupos", false, apaga("tabGrupos"), "Erro"},
        {"sem tabUsuarios", false, apaga("tabUsuarios"), "Erro"},
        {"Lumo.mdb vazio", false, esvazia, "Erro"},
        {"Lumo.mdb danificado", false, corrompe, "Erro"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        QTemporaryDir dir;
        const QString prog = dir.filePath("programa");
        const QString corpo = InstalaComP001(prog) + "/Lumo.mdb";
        ASSERT_NE(corpo, "/Lumo.mdb");
        c.dano(c.configuracao ? prog + "/data.mdb" : corpo);
        for (const QStringList& comando : {QStringList{"situacao"}, QStringList{"periodo", "abrir"}}) {
            const auto r = ExecutaCli(QStringList{"--programa", prog, "--orgao", "P001", "--usuario", "ADMIN", "--sim"} + comando, "admin");
            EXPECT_EQ(r.codigo, 2) << r.err.toStdString();
            EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.mensagem))) << r.err.toStdString();
            EXPECT_FALSE(r.err.contains("QSql") || r.err.contains("Unable") || r.err.contains("QObject")) << r.err.toStdString();
        }
        if (c.configuracao) {
            // instalar says so and makes data.mdb anew only when asked.
            auto r = ExecutaCli({"--programa", prog, "instalar"});
            EXPECT_EQ(r.codigo, 2);
            EXPECT_TRUE(r.err.contains("está vazio ou não é um banco de configuração do Lumo.")) << r.err.toStdString();
            r = ExecutaCli({"--programa", prog, "--sim", "instalar"});
            EXPECT_EQ(r.codigo, 0) << r.err.toStdString();
            EXPECT_TRUE(QFile::exists(prog + "/data.mdb.danificado"));
            EXPECT_EQ(ExecutaCli({"--programa", prog, "orgao", "listar"}).codigo, 0);
        }
    }
}

// A restore never replaces the database under a program that has the body open: it waits a
// few seconds for it and then gives up with a message.
TEST(Cli, RestauracaoComOrgaoAbertoEmOutroPrograma)
{
    QTemporaryDir dir;
    const QString prog = dir.filePath("programa");
    const QString pasta = InstalaComP001(prog);
    ASSERT_FALSE(pasta.isEmpty());
    QFile trava(pasta + "/lumo.trava");
    ASSERT_TRUE(trava.open(QIODevice::ReadWrite));
    ASSERT_EQ(::flock(trava.handle(), LOCK_SH | LOCK_NB), 0); // the desktop program has it open
    const QByteArray antes = [&] { QFile f(pasta + "/Lumo.mdb"); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    const auto r = ExecutaCli({"--programa", prog, "--usuario", "ADMIN", "restaurar", dir.filePath("BackupLumo.lrf")}, "admin");
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE(r.err.contains("O órgão está aberto em outro programa do Lumo. Feche-o antes de fazer o backup/restauração."))
        << r.err.toStdString();
    QFile f(pasta + "/Lumo.mdb");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), antes);
}

// A statement printed as its editor shows it: typed values, computed lines, the money format.
TEST(Cli, Demonstrativo)
{
    QTemporaryDir dir;
    const QString prog = dir.path();
    const QString orgao = InstalaComP001(prog);
    ASSERT_FALSE(orgao.isEmpty());
    {
        Banco b = Banco::abre(orgao + "/Lumo.mdb");
        const QString periodo = b.valor("SELECT BimReferencia FROM tabControleMovimento WHERE Situacao <> 'FECHADO' "
                                        "ORDER BY BimReferencia LIMIT 1").toString();
        b.executa("INSERT INTO tabAnexo15Movimento (BimReferencia, Campo, Ult12Mes) VALUES (?, 2, 12345600), (?, 3, 1000000)",
                  {periodo, periodo});
    }
    const QStringList base{"--programa", prog, "--orgao", "P001", "--usuario", "ADMIN", "demonstrativo"};
    auto r = ExecutaCli(base + QStringList{"--anexo", "15"}, "admin");
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    const QStringList linhas = r.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(linhas.value(0), QStringLiteral("Anexo 15 - Demonstrativo da Despesa com Pessoal"));
    EXPECT_TRUE(linhas.value(1).startsWith(QStringLiteral("Especificação\tLiquidadas nos Últimos 12 Meses")));
    EXPECT_TRUE(linhas.value(3).endsWith("\t1.234,56\t0,00")) << linhas.value(3).toStdString();
    EXPECT_TRUE(linhas.value(2).contains("\t1.334,56\t")) << linhas.value(2).toStdString(); // line 1 = 2 + 3
    r = ExecutaCli(base + QStringList{"--anexo", "15", "--csv"}, "admin");
    ASSERT_EQ(r.codigo, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Especificação;Liquidadas nos Últimos 12 Meses;")));
    r = ExecutaCli(base + QStringList{"--anexo", "22B"}, "admin");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(ExecutaCli(base + QStringList{"--anexo", "13"}, "admin").codigo, 2); // a register, no statement
    EXPECT_EQ(ExecutaCli(base, "admin").codigo, 2);
}

// An invoice checked as the screen checks it, without a body: the answer, the reasons, what
// could not be checked, and the exit status.
TEST(Cli, ValidarNotaFiscal)
{
    QTemporaryDir dir;
    const QString chave = "35120311222333000181550010000123451876543210";
    const auto valida = [&](const QString& numero, const QString& emissao, const QString& cnpj, const QString& codigo,
                            const QString& valor = "1.500,00") {
        return ExecutaCli({"--programa", dir.path(), "validar-nf", "--numero", numero, "--serie", "1", "--emissao", emissao,
                     "--valor", valor, "--cnpj", cnpj, "--codigo", codigo});
    };
    auto r = valida("12345", "15/03/2012", "11.222.333/0001-81", chave);
    EXPECT_EQ(r.codigo, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "Código validado com sucesso\n"
                     "  O valor não consta da chave e só pode ser conferido pela Secretaria da Fazenda.\n");
    r = valida("12346", "15/04/2012", "11222333000181", chave);
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.out, "Código não é válido\n"
                     "  O ano e o mês da chave não são os da data de emissão.\n"
                     "  O número da chave não é o da nota fiscal informada.\n"
                     "  O valor não consta da chave e só pode ser conferido pela Secretaria da Fazenda.\n");
    // What the screen says on leaving the fields comes first; an ordinary code is not checked.
    r = valida("12345", "31/02/2012", "11222333000182", "ABC-123");
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.out, "Data inválida\nO número 11222333000182 não é um CNPJ válido\nCódigo não é válido\n"
                     "  Data de emissão inválida.\n  CNPJ/CPF do emitente inválido.\n"
                     "  O código autenticador só pode ser conferido pela Secretaria da Fazenda.\n");
    // Bad usage: a field missing (the screen's message), a value that is no number, an unknown option.
    r = valida("12345", "15/03/2012", "11222333000181", chave, "0,00");
    EXPECT_EQ(r.codigo, 2);
    EXPECT_TRUE(r.err.startsWith("Informe o valor da Nota Fiscal\nuso: lumo-cli")) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(valida("12345", "15/03/2012", "11222333000181", chave, "mil").codigo, 2);
    r = ExecutaCli({"--programa", dir.path(), "validar-nf", "--numero", "1", "--modelo", "55"});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_TRUE(r.err.startsWith("Opção desconhecida: --modelo")) << r.err.toStdString();
    EXPECT_TRUE(ExecutaCli({"--programa", dir.path(), "validar-nf", "--numero"}).err.startsWith("A opção --numero precisa de um valor."));
}

TEST(Cli, RelatorioEmCsvPdfEListaEArquivoMalFormado)
{
    QTemporaryDir dir;
    const QString prog = dir.filePath("programa");
    const QString pasta = InstalaComP001(prog);
    ASSERT_FALSE(pasta.isEmpty());
    {
        Banco b = Banco::abre(pasta + "/Lumo.mdb");
        b.executa("INSERT INTO tabAnexo14Pagamentos (idPagamento, BimReferencia, NumeroOBCheque, DataPagamento, ValorPago, NumeroEmpenho) "
                  "VALUES (1, '201201', 'OB 1', '10/01/2012', 12345000, '5/2012'), (2, '201201', 'OB 2', '11/01/2012', 5000, '6/2012'), "
                  "(3, '201202', 'OB 3', '11/03/2012', 7, '7/2012')");
    }
    const QStringList base = {"--programa", prog, "--orgao", "P001", "--usuario", "ADMIN", "relatorio"};
    auto r = ExecutaCli(base + QStringList{"--listar"}, "admin");
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Anexo 14 (Pagamentos)\tAnexo14P.rpt\n"));
    EXPECT_TRUE(r.out.contains("Anexo 11\tAnexo11.rpt\n"));
    const QString csv = dir.filePath("a14.csv");
    r = ExecutaCli(base + QStringList{"--anexo", "Anexo 14 (Pagamentos)", "--periodo", "01/2012", "--csv", csv}, "admin");
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(texto.contains(";1234,50\n")) << texto.toStdString();
    EXPECT_TRUE(texto.contains("Total Geral;;;;;;;;;1235,00\n")) << texto.toStdString();
    EXPECT_FALSE(texto.contains("OB 3"));
    r = ExecutaCli(base + QStringList{"--anexo", "Anexo 14 (Pagamentos)", "--pdf", dir.filePath("a14.pdf")}, "admin");
    EXPECT_EQ(r.codigo, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath("a14.pdf")));
    // Usage and a malformed layout in the body folder.
    EXPECT_EQ(ExecutaCli(base + QStringList{"--anexo", "Anexo 99", "--pdf", "x.pdf"}, "admin").codigo, 2);
    EXPECT_EQ(ExecutaCli(base + QStringList{"--anexo", "Anexo 02"}, "admin").codigo, 2);
    {
        QFile rpt(pasta + "/Anexo02.rpt");
        ASSERT_TRUE(rpt.open(QIODevice::WriteOnly | QIODevice::Truncate));
        rpt.write("[relatorio]\ntabela = tabDespFuncMovimento\n[coluna]\ncampo = x\nlargura = -1\n");
    }
    r = ExecutaCli(base + QStringList{"--anexo", "Anexo 02", "--xlsx", dir.filePath("a02.xlsx")}, "admin");
    EXPECT_EQ(r.codigo, 2);
    EXPECT_TRUE(r.err.contains("Arquivo de relatório inválido: Anexo02.rpt, linha 5: a largura deve ser um número maior que zero."))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("a02.xlsx")));
}
