// Users, groups, sign-in and permissions on a configured body.
#include "comum/BancoTeste.h"
#include "core/Seguranca.h"
#include "core/Usuarios.h"

#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {
const QString ErroGravar = "Erro ao tentar gravar o usuário.";
const QString SenhaNaoConfere = "A Senha digitada não confere com a atual.\n"
                                "Favor verifique se a senha atual foi digitada corretamente.";

class Usuarios : public ::testing::Test {
protected:
    void SetUp() override { p.configuraOrgao("P001"); }
    // A new user MARIA (password "abcd") in the group given; returns her code.
    QString maria(const QString& grupo = "01")
    {
        return GravaUsuario(p.ctx, {{}, "Maria da Silva", "maria", "abcd", grupo}).codigo;
    }
    QString senhaGravada(const QString& codigo)
    {
        return p.ctx.BancoOrgao.valor("SELECT Senha FROM tabUsuarios WHERE Codigo = ?", {codigo}).toString();
    }
    int usuarios() { return int(ListaUsuarios(p.ctx.BancoOrgao).size()); }

    ProgramaTeste p;
};
} // namespace

// Each field in the editor's order, blanks counting as empty; a taken name whatever its case.
TEST_F(Usuarios, RecusasNaOrdemDoEditor)
{
    const QString existente = maria();
    p.ui.limpa();
    const struct { DadosUsuario d; CampoUsuario campo; QString texto; } casos[] = {
        {{{}, "  ", "JOSE", "abcd", "01"}, CampoUsuario::Nome, "Impossível gravar: O campo 'Nome' não pode estar vazio."},
        {{{}, "José", "   ", "abcd", "01"}, CampoUsuario::Username,
         "Impossível gravar: O campo 'Identificação do Usuário' não pode estar vazio."},
        {{{}, "José", "JOSE", " ", "01"}, CampoUsuario::Senha, "Impossível gravar: O campo 'Senha' não pode estar vazio."},
        {{{}, "José", "JOSE", "abcd", ""}, CampoUsuario::Grupo, "Impossível gravar: O Usuário deve ser inserido em algum Grupo."},
        {{existente, "Maria", "admin", "abcd", "01"}, CampoUsuario::Username,
         "Impossível gravar: Já existe um Usuário com a identificação 'ADMIN'."},
        {{{}, "Outra", "Maria", "abcd", "01"}, CampoUsuario::Username,
         "Impossível gravar: Já existe um Usuário com a identificação 'MARIA'."},
    };
    for (const auto& c : casos) {
        p.ui.limpa();
        const GravacaoUsuario r = GravaUsuario(p.ctx, c.d);
        EXPECT_FALSE(r.gravado) << c.texto.toStdString();
        EXPECT_EQ(r.campo, c.campo) << c.texto.toStdString();
        ASSERT_EQ(p.ui.mensagens.size(), 1);
        EXPECT_EQ(p.ui.mensagens[0].titulo, "Erro");
        EXPECT_EQ(p.ui.ultimo(), c.texto);
    }
    EXPECT_EQ(usuarios(), 2);
}

// Typing a user, its code, the success text and the ten blanks are the screen test's (teste_usuarios_ui).
TEST_F(Usuarios, NovoUsuarioGravaDigestEEntra)
{
    EXPECT_EQ(maria(), "002");
    const auto lista = ListaUsuarios(p.ctx.BancoOrgao);
    ASSERT_EQ(lista.size(), 2);
    EXPECT_EQ(QStringList({lista[1].nome, lista[1].username, lista[1].codigoGrupo}), QStringList({"Maria da Silva", "MARIA", "01"}));
    EXPECT_EQ(senhaGravada("002"), *CodificaSenha("abcd"));
    EXPECT_EQ(Identifica(p.ctx, "MARIA", "abce"), ResultadoLogin::NaoReconhecido);
    EXPECT_EQ(Identifica(p.ctx, "MARIA", "abcd"), ResultadoLogin::Aceito);
    EXPECT_TRUE(VerificaPermissao(p.ctx, "P05"));   // group 01 holds P00: everything
    // The next one follows, even though the codes are text.
    EXPECT_EQ(GravaUsuario(p.ctx, {{}, "José", "JOSE", "x", "01"}).codigo, "003");
    // An existing user with a new password is updated in place.
    ASSERT_EQ(GravaUsuario(p.ctx, {"001", "Administrador", "ADMIN", "nova1", "01"}).codigo, "001");
    EXPECT_EQ(ListaUsuarios(p.ctx.BancoOrgao)[0].nome, "Administrador");
    EXPECT_EQ(usuarios(), 3);
    EXPECT_EQ(Identifica(p.ctx, "ADMIN", "nova1"), ResultadoLogin::Aceito);
}

TEST_F(Usuarios, FalhasMostramErroENaoGravam)
{
    // From the tenth character on the weights are negative: this sum is below zero.
    EXPECT_FALSE(GravaUsuario(p.ctx, {{}, "Longa", "LONGA", "a" + QString(20, u'z'), "01"}).gravado);
    EXPECT_EQ(p.ui.mensagens[0].titulo, "Mensagem do Sistema");
    EXPECT_TRUE(p.ui.ultimo().startsWith(ErroGravar));
    EXPECT_EQ(usuarios(), 1);
    p.ui.limpa();
    p.ctx.BancoOrgao.executa("DROP TABLE tabUsuarios");
    EXPECT_FALSE(GravaUsuario(p.ctx, {{}, "Maria", "MARIA", "abcd", "01"}).gravado);
    ASSERT_EQ(p.ui.mensagens.size(), 1);
    EXPECT_EQ(p.ui.mensagens[0].icone, Interacao::Icone::Critico);
    EXPECT_TRUE(p.ui.ultimo().startsWith(ErroGravar));
}

TEST_F(Usuarios, ConfereAlteracaoDeSenha)
{
    const QString codigo = maria();
    p.ui.limpa();
    const struct { QString atual, nova, confirmacao; CampoSenha campo; QString texto; } casos[] = {
        {"abce", "wxyz", "wxyz", CampoSenha::Atual, SenhaNaoConfere},
        {"abcd", "wxyz", "wxy", CampoSenha::Nova, "A Senha nova não confere com sua confirmação.\n"
                                                  "Favor verifique se a senha nova foi digitada corretamente."},
        // (the four-digit minimum is the screen test's)
        // The current password is checked first, whatever else is wrong.
        {"", "a", "b", CampoSenha::Atual, SenhaNaoConfere},
        {"abcd", "wxyz", "wxyz", CampoSenha::Nenhum, ""},
    };
    for (const auto& c : casos) {
        p.ui.limpa();
        EXPECT_EQ(ConfereAlteracaoSenha(p.ctx, codigo, c.atual, c.nova, c.confirmacao), c.campo);
        EXPECT_EQ(p.ui.ultimo(), c.texto);
    }
    // (nothing being written until the users editor saves is the screen test's)
}

TEST_F(Usuarios, IdentificaComAsMensagensDaTela)
{
    p.ctx.UsuarioAtual = "MARIA";   // a failed sign-in keeps who was signed in
    const struct { QString usuario, senha; ResultadoLogin r; QString texto; } casos[] = {
        {"  ", "x", ResultadoLogin::FaltaUsuario, "Por favor informe sua identificação de usuário."},
        {"ADMIN", "", ResultadoLogin::FaltaSenha, "Por favor informe sua senha."},
        {"ADMIN", "errada", ResultadoLogin::NaoReconhecido, "Identificação de Usuário ou Senha não reconhecido(s)."},
        {"NINGUEM", "admin", ResultadoLogin::NaoReconhecido, "Identificação de Usuário ou Senha não reconhecido(s)."},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(Identifica(p.ctx, c.usuario, c.senha), c.r) << c.texto.toStdString();
        EXPECT_EQ(p.ui.ultimo(), c.texto);
    }
    EXPECT_EQ(p.ui.mensagens[0].titulo, "Erro");
    EXPECT_EQ(p.ui.mensagens.back().icone, Interacao::Icone::Aviso);
    EXPECT_EQ(p.ctx.UsuarioAtual, "MARIA");
    p.ui.limpa();
    EXPECT_EQ(Identifica(p.ctx, "ADMIN", "admin"), ResultadoLogin::Aceito);
    EXPECT_EQ(p.ctx.UsuarioAtual, "ADMIN");
    EXPECT_TRUE(p.ui.mensagens.isEmpty());
    // A password whose digest cannot be made is reported as an error, not accepted.
    EXPECT_EQ(Identifica(p.ctx, "ADMIN", QString(20, u'z')), ResultadoLogin::Falhou);
    EXPECT_EQ(p.ui.mensagens.back().icone, Interacao::Icone::Critico);
}

// Typing a group with its permissions is the screen test's; the refusal box is teste_principal's.
TEST_F(Usuarios, GruposEPermissoes)
{
    EXPECT_FALSE(GravaGrupo(p.ctx, {{}, "  ", {1}}).gravado);
    EXPECT_EQ(GravaGrupo(p.ctx, {{}, "Digitadores", {}}).campo, CampoGrupo::Permissoes);
    EXPECT_EQ(p.ui.textos(), QStringList({"Impossível gravar: O campo 'Descrição' não pode estar vazio.",
                                          "Impossível gravar: Nenhuma permissão foi selecionada para este Grupo."}));
    // The predefined group cannot change, nor be deleted (no question either).
    EXPECT_FALSE(GravaGrupo(p.ctx, {"01", "Outros", {5}}).gravado);
    EXPECT_FALSE(ExcluiGrupo(p.ctx, "01", "Administradores"));
    EXPECT_TRUE(p.ui.perguntas.isEmpty());
    EXPECT_EQ(ListaGrupos(p.ctx.BancoOrgao)[0].permissoes, "P00;");

    // A user of a new group passes P03 and is refused P01, until the group is changed.
    const QString grupo = GravaGrupo(p.ctx, {{}, "Digitadores", {3, 5}}).codigo;
    maria(grupo);
    ASSERT_EQ(Identifica(p.ctx, "MARIA", "abcd"), ResultadoLogin::Aceito);
    p.ui.limpa();
    EXPECT_TRUE(VerificaPermissao(p.ctx, "P03"));
    EXPECT_FALSE(VerificaPermissao(p.ctx, "P01"));
    EXPECT_EQ(p.ui.mensagens.size(), 1);
    ASSERT_TRUE(GravaGrupo(p.ctx, {grupo, "Digitação", {1}}).gravado);
    const auto grupos = ListaGrupos(p.ctx.BancoOrgao);
    EXPECT_EQ(grupos[0].descricao + ' ' + grupos[0].permissoes, QStringLiteral("Digitação P01;"));
    EXPECT_TRUE(VerificaPermissao(p.ctx, "P01"));
}

TEST_F(Usuarios, CodigosDeGrupoNuncaSeRepetem)
{
    // "01" ranks above "002" as text; the numbering must still move on.
    QStringList codigos;
    for (int i = 0; i < 3; ++i)
        codigos << GravaGrupo(p.ctx, {{}, QStringLiteral("Grupo %1").arg(i), {3}}).codigo;
    EXPECT_EQ(codigos, QStringList({"002", "003", "004"}));
    // A deleted group that users still point to keeps its code: a new group must not hand
    // them its permissions, and such a user is refused without a word. Deleting asks first
    // (the users editor asks the same); with nothing selected nothing is asked.
    EXPECT_FALSE(ExcluiUsuario(p.ctx, {}, {}));
    EXPECT_TRUE(p.ui.perguntas.isEmpty());
    maria("004");
    EXPECT_FALSE(ExcluiGrupo(p.ctx, "004", "Grupo 2"));   // answered No
    EXPECT_EQ(ListaGrupos(p.ctx.BancoOrgao).size(), 4);
    p.ui.respostas << true;
    ASSERT_TRUE(ExcluiGrupo(p.ctx, "004", "Grupo 2"));
    EXPECT_EQ(p.ui.perguntas.back().titulo, "Excluir");
    EXPECT_EQ(p.ui.perguntas.back().texto, "Deseja realmente excluir o registro Grupo 2 ?");
    EXPECT_EQ(ListaGrupos(p.ctx.BancoOrgao).size(), 3);
    EXPECT_EQ(GravaGrupo(p.ctx, {{}, "Grupo 4", {3}}).codigo, "005");
    ASSERT_EQ(Identifica(p.ctx, "MARIA", "abcd"), ResultadoLogin::Aceito);
    p.ui.limpa();
    EXPECT_FALSE(VerificaPermissao(p.ctx, "P03"));
    EXPECT_TRUE(p.ui.mensagens.isEmpty());
}
