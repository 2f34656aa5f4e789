#include "comum/BancoTeste.h"
#include "core/Seguranca.h"

#include <gtest/gtest.h>

TEST(CodificaSenha, DigestoConhecidoECaracteresDaPaginaDeCodigo)
{
    // "admin": weighted sum 3095, sqrt(3)*sqrt(3095) = 096.358704848 -> pairs 58 70 48.
    EXPECT_EQ(*CodificaSenha("admin"), QString::fromUtf8("Ÿ«•"));
    EXPECT_EQ(CodificaSenha("admin")->size(), 3);
    EXPECT_NE(*CodificaSenha("123"), *CodificaSenha("321"));
    EXPECT_EQ(*CodificaSenha(""), "");
    // Codes 101..200 only, one character per two of the password.
    for (const QString& s : {QString("a"), QString("senha123"), QString("Ação"), QString("0123456789")}) {
        const QString d = *CodificaSenha(s);
        EXPECT_EQ(d.size(), (s.size() + 1) / 2) << s.toStdString();
        for (QChar c : d) {
            const int cod = CodigoCp1252(c);
            EXPECT_GE(cod, 101);
            EXPECT_LE(cod, 200);
        }
    }
    // From the tenth character on the weight is negative; a negative sum has no digest.
    EXPECT_FALSE(CodificaSenha(QString(20, u'a')).has_value());
    EXPECT_TRUE(CodificaSenha("abcdefghij").has_value());
    EXPECT_NE(*CodificaSenha("abcdefghij"), *CodificaSenha("abcdefghik"));
}

TEST(CodificaSenha, Windows1252)
{
    EXPECT_EQ(CodigoCp1252(QChar(0x20AC)), 0x80);
    EXPECT_EQ(CodigoCp1252(QChar(0x0081)), 0x81);
    EXPECT_EQ(CodigoCp1252(QChar(0x00E7)), 0xE7);
    EXPECT_EQ(CodigoCp1252(QChar(0x4E2D)), '?');
    EXPECT_EQ(CaractereCp1252(0x9D), QChar(0x009D));
    EXPECT_EQ(CaractereCp1252(0x8A), QChar(0x0160));
    for (int c = 32; c < 256; ++c)
        EXPECT_EQ(CodigoCp1252(CaractereCp1252(c)), c);
}

TEST(Permissoes, TemPermissao)
{
    EXPECT_TRUE(TemPermissao("P03", "P03;"));
    EXPECT_FALSE(TemPermissao("P05", "P03;"));
    EXPECT_TRUE(TemPermissao("P05", "P01;P00;"));
    EXPECT_FALSE(TemPermissao("P00", ""));
    EXPECT_FALSE(TemPermissao("P03", "P03"));     // every code is followed by ";"
    EXPECT_FALSE(TemPermissao("P03", "p03;"));    // plain, case-sensitive search
    EXPECT_TRUE(TemPermissao("P01", "P01;P03;P05;"));
}

TEST(Permissoes, VerificaPermissaoPeloGrupoDoUsuario)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    auto& b = p.ctx.BancoOrgao;
    b.executa("INSERT INTO tabGrupos (Codigo, Descricao, Permissoes) VALUES ('002', 'Digitação', 'P03;')");
    b.executa("INSERT INTO tabUsuarios (Codigo, Nome, Username, Senha, Codigo_tabGrupos) VALUES ('002', 'Maria', 'MARIA', ?, '002')",
              {*CodificaSenha("maria1")});
    b.executa("INSERT INTO tabUsuarios (Codigo, Nome, Username, Senha, Codigo_tabGrupos) VALUES ('003', 'Sem grupo', 'JOAO', ?, '099')",
              {*CodificaSenha("joao")});

    p.ctx.UsuarioAtual = "ADMIN";
    EXPECT_TRUE(VerificaPermissao(p.ctx, "P05"));
    p.ctx.UsuarioAtual = "MARIA";
    EXPECT_TRUE(VerificaPermissao(p.ctx, "P03"));
    EXPECT_TRUE(p.ui.mensagens.isEmpty());
    EXPECT_FALSE(VerificaPermissao(p.ctx, "P05"));
    ASSERT_EQ(p.ui.mensagens.size(), 1);
    EXPECT_EQ(p.ui.mensagens[0].titulo, "Acesso Negado");
    EXPECT_EQ(p.ui.mensagens[0].texto, "O usuário 'MARIA' não tem acesso a esta operação.");
    EXPECT_EQ(p.ui.mensagens[0].icone, Interacao::Icone::Aviso);
    // A user whose group is gone fails silently.
    p.ctx.UsuarioAtual = "JOAO";
    EXPECT_FALSE(VerificaPermissao(p.ctx, "P03"));
    EXPECT_EQ(p.ui.mensagens.size(), 1);
}

TEST(Login, IdentificaComAsMensagensDaTela)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    p.ctx.UsuarioAtual.clear();
    EXPECT_EQ(Identifica(p.ctx, "  ", "x"), ResultadoLogin::FaltaUsuario);
    EXPECT_EQ(p.ui.ultimo(), "Por favor informe sua identificação de usuário.");
    EXPECT_EQ(p.ui.mensagens.back().titulo, "Erro");
    EXPECT_EQ(Identifica(p.ctx, "ADMIN", ""), ResultadoLogin::FaltaSenha);
    EXPECT_EQ(p.ui.ultimo(), "Por favor informe sua senha.");
    EXPECT_EQ(Identifica(p.ctx, "ADMIN", "errada"), ResultadoLogin::NaoReconhecido);
    EXPECT_EQ(p.ui.ultimo(), "Identificação de Usuário ou Senha não reconhecido(s).");
    EXPECT_EQ(p.ui.mensagens.back().icone, Interacao::Icone::Aviso);
    EXPECT_EQ(Identifica(p.ctx, "NINGUEM", "admin"), ResultadoLogin::NaoReconhecido);
    p.ui.limpa();
    EXPECT_EQ(Identifica(p.ctx, "ADMIN", "admin"), ResultadoLogin::Aceito);
    EXPECT_EQ(p.ctx.UsuarioAtual, "ADMIN");
    EXPECT_TRUE(p.ui.mensagens.isEmpty());
    // A password whose digest cannot be made is reported as an error, not accepted.
    EXPECT_EQ(Identifica(p.ctx, "ADMIN", QString(20, u'z')), ResultadoLogin::Falhou);
    EXPECT_EQ(p.ui.mensagens.back().icone, Interacao::Icone::Critico);
}
