#include "comum/BancoTeste.h"
#include "core/Seguranca.h"
#include "core/Usuarios.h"

#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {
const QString Registrado = QStringLiteral("Informações registradas com sucesso.");

class Usuarios : public ::testing::Test {
protected:
    void SetUp() override { p.configuraOrgao(QStringLiteral("P001")); }

    QString senhaGravada(const QString& codigo)
    {
        return p.ctx.BancoOrgao.valor(QStringLiteral("SELECT Senha FROM tabUsuarios WHERE Codigo = ?"), {codigo})
            .toString();
    }

    ProgramaTeste p;
};
} // namespace

TEST_F(Usuarios, RecusasNaOrdemDoEditor)
{
    DadosUsuario d;
    const struct {
        QString texto;
        CampoUsuario campo;
    } esperado[] = {
        {QStringLiteral("Impossível gravar: O campo 'Nome' não pode estar vazio."), CampoUsuario::Nome},
        {QStringLiteral("Impossível gravar: O campo 'Identificação do Usuário' não pode estar vazio."),
         CampoUsuario::Username},
        {QStringLiteral("Impossível gravar: O campo 'Senha' não pode estar vazio."), CampoUsuario::Senha},
        {QStringLiteral("Impossível gravar: O Usuário deve ser inserido em algum Grupo."), CampoUsuario::Grupo},
    };
    // Each step fills the field the previous refusal was about; blanks count as empty.
    QString* campos[] = {&d.nome, &d.username, &d.senha, &d.codigoGrupo};
    const QString valores[] = {QStringLiteral("Maria da Silva"), QStringLiteral("MARIA"), QStringLiteral("abcd"),
                               QStringLiteral("01")};
    for (int i = 0; i < 4; ++i) {
        p.ui.limpa();
        const GravacaoUsuario r = GravaUsuario(p.ctx, d);
        EXPECT_FALSE(r.gravado);
        EXPECT_EQ(r.campo, esperado[i].campo);
        ASSERT_EQ(p.ui.mensagens.size(), 1);
        EXPECT_EQ(p.ui.mensagens[0].titulo, QStringLiteral("Erro"));
        EXPECT_EQ(p.ui.ultimo(), esperado[i].texto);
        *campos[i] = i < 3 ? QStringLiteral("   ") : QString();
        EXPECT_FALSE(GravaUsuario(p.ctx, d).gravado) << "blanks must not pass step " << i;
        *campos[i] = valores[i];
    }
    EXPECT_EQ(ListaUsuarios(p.ctx.BancoOrgao).size(), 1);
}

TEST_F(Usuarios, NovoUsuarioGravaDigestEEntra)
{
    const GravacaoUsuario r = GravaUsuario(
        p.ctx, {{}, QStringLiteral("Maria da Silva"), QStringLiteral("maria"), QStringLiteral("abcd"), QStringLiteral("01")});
    ASSERT_TRUE(r.gravado);
    EXPECT_EQ(r.codigo, QStringLiteral("002"));
    ASSERT_EQ(p.ui.mensagens.size(), 1);
    EXPECT_EQ(p.ui.mensagens[0].titulo, QStringLiteral("Lumo Coleta 2012"));
    EXPECT_EQ(p.ui.ultimo(), Registrado);

    const auto lista = ListaUsuarios(p.ctx.BancoOrgao);
    ASSERT_EQ(lista.size(), 2);
    EXPECT_EQ(lista[1].codigo, QStringLiteral("002"));
    EXPECT_EQ(lista[1].nome, QStringLiteral("Maria da Silva"));
    EXPECT_EQ(lista[1].username, QStringLiteral("MARIA"));
    EXPECT_EQ(lista[1].codigoGrupo, QStringLiteral("01"));
    EXPECT_NE(senhaGravada(r.codigo), QStringLiteral("abcd"));
    EXPECT_EQ(senhaGravada(r.codigo), *CodificaSenha(QStringLiteral("abcd")));

    EXPECT_EQ(Identifica(p.ctx, QStringLiteral("MARIA"), QStringLiteral("abcd")), ResultadoLogin::Aceito);
    EXPECT_TRUE(VerificaPermissao(p.ctx, QStringLiteral("P01")));
    EXPECT_EQ(Identifica(p.ctx, QStringLiteral("MARIA"), QStringLiteral("abce")), ResultadoLogin::NaoReconhecido);

    // The next one follows, even though the codes are text.
    EXPECT_EQ(GravaUsuario(p.ctx, {{}, QStringLiteral("José"), QStringLiteral("JOSE"), QStringLiteral("x"),
                                   QStringLiteral("01")})
                  .codigo,
              QStringLiteral("003"));
}

TEST_F(Usuarios, NomeDeUsuarioRepetidoERecusado)
{
    const GravacaoUsuario r = GravaUsuario(
        p.ctx, {{}, QStringLiteral("Outro"), QStringLiteral("admin"), QStringLiteral("abcd"), QStringLiteral("01")});
    EXPECT_FALSE(r.gravado);
    EXPECT_EQ(r.campo, CampoUsuario::Username);
    EXPECT_EQ(p.ui.mensagens[0].titulo, QStringLiteral("Erro"));
    EXPECT_EQ(p.ui.ultimo(), QStringLiteral("Impossível gravar: Já existe um Usuário com a identificação 'ADMIN'."));
    EXPECT_EQ(ListaUsuarios(p.ctx.BancoOrgao).size(), 1);

    // Renaming another user to a taken name is refused the same way.
    const QString codigo = GravaUsuario(p.ctx, {{}, QStringLiteral("Ana"), QStringLiteral("ANA"), QStringLiteral("abcd"),
                                                QStringLiteral("01")})
                               .codigo;
    p.ui.limpa();
    EXPECT_FALSE(GravaUsuario(p.ctx, {codigo, QStringLiteral("Ana"), QStringLiteral("ADMIN"), QStringLiteral("abcd"),
                                      QStringLiteral("01")})
                     .gravado);
    EXPECT_EQ(p.ui.ultimo(), QStringLiteral("Impossível gravar: Já existe um Usuário com a identificação 'ADMIN'."));
}

TEST_F(Usuarios, AlteraUsuarioExistente)
{
    // Without Change password the ten blanks stand in the box and the save is refused.
    DadosUsuario d{QStringLiteral("001"), QStringLiteral("Administrador"), QStringLiteral("ADMIN"), SenhaOculta,
                   QStringLiteral("01")};
    EXPECT_FALSE(GravaUsuario(p.ctx, d).gravado);
    EXPECT_EQ(p.ui.ultimo(), QStringLiteral("Impossível gravar: O campo 'Senha' não pode estar vazio."));

    d.senha = QStringLiteral("nova1");
    const GravacaoUsuario r = GravaUsuario(p.ctx, d);
    ASSERT_TRUE(r.gravado);
    EXPECT_EQ(r.codigo, QStringLiteral("001"));
    EXPECT_EQ(p.ui.ultimo(), Registrado);
    const auto lista = ListaUsuarios(p.ctx.BancoOrgao);
    ASSERT_EQ(lista.size(), 1);
    EXPECT_EQ(lista[0].nome, QStringLiteral("Administrador"));
    EXPECT_EQ(Identifica(p.ctx, QStringLiteral("ADMIN"), QStringLiteral("nova1")), ResultadoLogin::Aceito);
}

TEST_F(Usuarios, SenhaSemDigestMostraErro)
{
    // From the tenth character on the weights are negative: this sum is below zero.
    const QString senha = QStringLiteral("a") + QString(20, u'z');
    ASSERT_FALSE(CodificaSenha(senha).has_value());
    const GravacaoUsuario r =
        GravaUsuario(p.ctx, {{}, QStringLiteral("Longa"), QStringLiteral("LONGA"), senha, QStringLiteral("01")});
    EXPECT_FALSE(r.gravado);
    EXPECT_EQ(p.ui.mensagens[0].titulo, QStringLiteral("Mensagem do Sistema"));
    EXPECT_TRUE(p.ui.ultimo().startsWith(QStringLiteral("Erro ao tentar gravar o usuário.")));
    EXPECT_EQ(ListaUsuarios(p.ctx.BancoOrgao).size(), 1);
}

TEST_F(Usuarios, FalhaDoBancoNaoFechaNada)
{
    p.ctx.BancoOrgao.executa(QStringLiteral("DROP TABLE tabUsuarios"));
    const GravacaoUsuario r = GravaUsuario(
        p.ctx, {{}, QStringLiteral("Maria"), QStringLiteral("MARIA"), QStringLiteral("abcd"), QStringLiteral("01")});
    EXPECT_FALSE(r.gravado);
    ASSERT_EQ(p.ui.mensagens.size(), 1);
    EXPECT_EQ(p.ui.mensagens[0].icone, Interacao::Icone::Critico);
    EXPECT_TRUE(p.ui.ultimo().startsWith(QStringLiteral("Erro ao tentar gravar o usuário.")));
}

TEST_F(Usuarios, ExclusaoPergunta)
{
    const QString codigo = GravaUsuario(p.ctx, {{}, QStringLiteral("Maria"), QStringLiteral("MARIA"),
                                                QStringLiteral("abcd"), QStringLiteral("01")})
                               .codigo;
    EXPECT_FALSE(ExcluiUsuario(p.ctx, codigo, QStringLiteral("Maria")));   // answered No
    ASSERT_EQ(p.ui.perguntas.size(), 1);
    EXPECT_EQ(p.ui.perguntas[0].titulo, QStringLiteral("Excluir"));
    EXPECT_EQ(p.ui.perguntas[0].texto, QStringLiteral("Deseja realmente excluir o registro Maria ?"));
    EXPECT_EQ(ListaUsuarios(p.ctx.BancoOrgao).size(), 2);

    p.ui.respostas << true;
    EXPECT_TRUE(ExcluiUsuario(p.ctx, codigo, QStringLiteral("Maria")));
    EXPECT_EQ(ListaUsuarios(p.ctx.BancoOrgao).size(), 1);
    // Nothing selected: no question.
    EXPECT_FALSE(ExcluiUsuario(p.ctx, {}, {}));
    EXPECT_EQ(p.ui.perguntas.size(), 2);
}

TEST_F(Usuarios, ConfereAlteracaoDeSenha)
{
    const QString codigo = GravaUsuario(p.ctx, {{}, QStringLiteral("Maria"), QStringLiteral("MARIA"),
                                                QStringLiteral("abcd"), QStringLiteral("01")})
                               .codigo;
    p.ui.limpa();
    EXPECT_EQ(ConfereAlteracaoSenha(p.ctx, codigo, QStringLiteral("abce"), QStringLiteral("wxyz"), QStringLiteral("wxyz")),
              CampoSenha::Atual);
    EXPECT_EQ(ConfereAlteracaoSenha(p.ctx, codigo, QStringLiteral("abcd"), QStringLiteral("wxyz"), QStringLiteral("wxy")),
              CampoSenha::Nova);
    EXPECT_EQ(ConfereAlteracaoSenha(p.ctx, codigo, QStringLiteral("abcd"), QStringLiteral("wxy"), QStringLiteral("wxy")),
              CampoSenha::Nova);
    // The current password is checked first, whatever else is wrong.
    EXPECT_EQ(ConfereAlteracaoSenha(p.ctx, codigo, QString(), QStringLiteral("a"), QStringLiteral("b")), CampoSenha::Atual);
    EXPECT_EQ(p.ui.textos(),
              QStringList({QStringLiteral("A Senha digitada não confere com a atual.\n"
                                          "Favor verifique se a senha atual foi digitada corretamente."),
                           QStringLiteral("A Senha nova não confere com sua confirmação.\n"
                                          "Favor verifique se a senha nova foi digitada corretamente."),
                           QStringLiteral("Impossível alterar: A Senha deve conter no mínimo 4 dígitos."),
                           QStringLiteral("A Senha digitada não confere com a atual.\n"
                                          "Favor verifique se a senha atual foi digitada corretamente.")}));
    for (const auto& m : p.ui.mensagens)
        EXPECT_EQ(m.titulo, QStringLiteral("Erro"));

    p.ui.limpa();
    EXPECT_EQ(ConfereAlteracaoSenha(p.ctx, codigo, QStringLiteral("abcd"), QStringLiteral("wxyz"), QStringLiteral("wxyz")),
              CampoSenha::Nenhum);
    EXPECT_TRUE(p.ui.mensagens.isEmpty());
    // Nothing is written until the users editor saves.
    EXPECT_EQ(senhaGravada(codigo), *CodificaSenha(QStringLiteral("abcd")));
}

TEST(Grupos, CadeiaDePermissoes)
{
    EXPECT_EQ(MontaPermissoes({1, 3, 5}), QStringLiteral("P01;P03;P05;"));
    EXPECT_EQ(MontaPermissoes({}), QString());
    EXPECT_EQ(CodigosDePermissao(QStringLiteral("P01;P03;P05;")),
              QStringList({QStringLiteral("P01"), QStringLiteral("P03"), QStringLiteral("P05")}));
    EXPECT_EQ(CodigosDePermissao(QStringLiteral("P00;")), QStringList({QStringLiteral("P00")}));
    EXPECT_TRUE(CodigosDePermissao(QString()).isEmpty());
    // A string without its last separator still gives its last code.
    EXPECT_EQ(CodigosDePermissao(QStringLiteral("P02;P04")),
              QStringList({QStringLiteral("P02"), QStringLiteral("P04")}));
    EXPECT_FALSE(GrupoEditavel(QStringLiteral("01")));
    EXPECT_TRUE(GrupoEditavel(QStringLiteral("002")));
    EXPECT_TRUE(GrupoEditavel(QString()));
}

TEST_F(Usuarios, PermissoesDoGrupoAvisaCodigoDesconhecido)
{
    const auto lista = ListaPermissoes(p.ctx.BancoOrgao);
    ASSERT_GE(lista.size(), 7);
    EXPECT_EQ(lista[0].codigo, QStringLiteral("P00"));
    EXPECT_EQ(lista[3].numero, 3);

    const QList<int> sel =
        PermissoesDoGrupo(p.ctx, {QStringLiteral("002"), QStringLiteral("Digitadores"), QStringLiteral("P05;P99;P03;")}, lista);
    EXPECT_EQ(sel, QList<int>({5, 3}));
    ASSERT_EQ(p.ui.mensagens.size(), 1);
    EXPECT_EQ(p.ui.mensagens[0].titulo, QStringLiteral("Erro"));
    EXPECT_EQ(p.ui.ultimo(), QStringLiteral("O Cód. de Permissão P99 para o Grupo 'Digitadores' não foi encontrado."));
}

TEST_F(Usuarios, GravaGrupo)
{
    const auto lista = ListaPermissoes(p.ctx.BancoOrgao);
    EXPECT_FALSE(GravaGrupo(p.ctx, {{}, QStringLiteral("  "), {1}}).gravado);
    EXPECT_EQ(GravaGrupo(p.ctx, {{}, QStringLiteral("Digitadores"), {}}).campo, CampoGrupo::Permissoes);
    EXPECT_EQ(p.ui.textos(),
              QStringList({QStringLiteral("Impossível gravar: O campo 'Descrição' não pode estar vazio."),
                           QStringLiteral("Impossível gravar: Nenhuma permissão foi selecionada para este Grupo.")}));
    EXPECT_EQ(p.ui.mensagens[0].titulo, QStringLiteral("Erro"));
    EXPECT_EQ(p.ui.mensagens[1].titulo, QStringLiteral("Erro"));

    p.ui.limpa();
    const GravacaoGrupo r = GravaGrupo(p.ctx, {{}, QStringLiteral("Digitadores"), {3, 5}});
    ASSERT_TRUE(r.gravado);
    EXPECT_EQ(r.codigo, QStringLiteral("002"));
    EXPECT_EQ(p.ui.mensagens[0].titulo, QStringLiteral("Lumo Coleta 2012"));
    EXPECT_EQ(p.ui.ultimo(), Registrado);
    // Listed by code as text: the new "002" comes before the predefined "01".
    auto grupos = ListaGrupos(p.ctx.BancoOrgao);
    ASSERT_EQ(grupos.size(), 2);
    EXPECT_EQ(grupos[0].codigo, QStringLiteral("002"));
    EXPECT_EQ(grupos[0].permissoes, QStringLiteral("P03;P05;"));

    // A user of the new group passes P03 and is refused P01.
    GravaUsuario(p.ctx, {{}, QStringLiteral("Maria"), QStringLiteral("MARIA"), QStringLiteral("abcd"), r.codigo});
    ASSERT_EQ(Identifica(p.ctx, QStringLiteral("MARIA"), QStringLiteral("abcd")), ResultadoLogin::Aceito);
    EXPECT_TRUE(VerificaPermissao(p.ctx, QStringLiteral("P03")));
    EXPECT_FALSE(VerificaPermissao(p.ctx, QStringLiteral("P01")));

    p.ui.limpa();
    ASSERT_TRUE(GravaGrupo(p.ctx, {r.codigo, QStringLiteral("Digitação"), {1}}).gravado);
    grupos = ListaGrupos(p.ctx.BancoOrgao);
    EXPECT_EQ(grupos[0].descricao, QStringLiteral("Digitação"));
    EXPECT_EQ(grupos[0].permissoes, QStringLiteral("P01;"));
    EXPECT_TRUE(VerificaPermissao(p.ctx, QStringLiteral("P01")));
}

TEST_F(Usuarios, GrupoPredefinidoNaoMuda)
{
    EXPECT_FALSE(GravaGrupo(p.ctx, {QStringLiteral("01"), QStringLiteral("Outros"), {5}}).gravado);
    EXPECT_FALSE(ExcluiGrupo(p.ctx, QStringLiteral("01"), QStringLiteral("Administradores")));
    EXPECT_TRUE(p.ui.perguntas.isEmpty());
    const auto grupos = ListaGrupos(p.ctx.BancoOrgao);
    ASSERT_EQ(grupos.size(), 1);
    EXPECT_EQ(grupos[0].descricao, QStringLiteral("Administradores"));
    EXPECT_EQ(grupos[0].permissoes, QStringLiteral("P00;"));
}

TEST_F(Usuarios, CodigosDeGrupoNuncaSeRepetem)
{
    // "01" ranks above "002" as text; the numbering must still move on.
    QStringList codigos;
    for (int i = 0; i < 3; ++i)
        codigos << GravaGrupo(p.ctx, {{}, QStringLiteral("Grupo %1").arg(i), {3}}).codigo;
    EXPECT_EQ(codigos, QStringList({QStringLiteral("002"), QStringLiteral("003"), QStringLiteral("004")}));

    // A deleted group that users still point to keeps its code: a new group must not hand
    // them its permissions.
    GravaUsuario(p.ctx, {{}, QStringLiteral("Maria"), QStringLiteral("MARIA"), QStringLiteral("abcd"), QStringLiteral("004")});
    p.ui.respostas << true;
    ASSERT_TRUE(ExcluiGrupo(p.ctx, QStringLiteral("004"), QStringLiteral("Grupo 2")));
    EXPECT_EQ(p.ui.perguntas.back().titulo, QStringLiteral("Excluir"));
    EXPECT_EQ(p.ui.perguntas.back().texto, QStringLiteral("Deseja realmente excluir o registro Grupo 2 ?"));
    EXPECT_EQ(GravaGrupo(p.ctx, {{}, QStringLiteral("Grupo 4"), {3}}).codigo, QStringLiteral("005"));
    ASSERT_EQ(Identifica(p.ctx, QStringLiteral("MARIA"), QStringLiteral("abcd")), ResultadoLogin::Aceito);
    p.ui.limpa();
    EXPECT_FALSE(VerificaPermissao(p.ctx, QStringLiteral("P03")));
    EXPECT_TRUE(p.ui.mensagens.isEmpty());
}
