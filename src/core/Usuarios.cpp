#include "core/Usuarios.h"
#include "core/Banco.h"
#include "core/Contexto.h"
#include "core/Seguranca.h"

namespace {
const QString TituloErro = QStringLiteral("Erro");
const QString ImpossivelGravar = QStringLiteral("Impossível gravar: ");

void recusa(Contexto& ctx, const QString& texto)
{
    Avisa(ctx.interacao(), Interacao::Icone::Informacao, TituloErro, texto);
}

void registrado(Contexto& ctx)
{
    Avisa(ctx.interacao(), Interacao::Icone::Informacao, TituloPrograma,
          QStringLiteral("Informações registradas com sucesso."));
}

bool confirmaExclusao(Contexto& ctx, const QString& identificacao)
{
    ctx.interacao().cursorNormal();
    return ctx.interacao().pergunta(QStringLiteral("Excluir"),
                                    QStringLiteral("Deseja realmente excluir o registro ") + identificacao
                                        + QStringLiteral(" ?"),
                                    Interacao::Padrao::Nao);
}

// The largest numeric value of the columns plus one, "000" formatted. Codes are text and may
// be "01" beside "002": taking them as numbers is what keeps a new code from repeating one.
QString proximoCodigo(const Banco& banco, const QStringList& consultas)
{
    int maior = 0;
    for (const QString& sql : consultas) {
        const QVariant v = banco.valor(sql);
        if (v.isValid() && !v.isNull())
            maior = std::max(maior, v.toInt());
    }
    return QStringLiteral("%1").arg(maior + 1, 3, 10, QLatin1Char('0'));
}

const Falha SenhaSemDigest{QStringLiteral("CodificaSenha"), 5,
                           QStringLiteral("Chamada de procedimento ou argumento inválido.")};
} // namespace

QList<Usuario> ListaUsuarios(const Banco& banco)
{
    QList<Usuario> r;
    QSqlQuery q = banco.executa(QStringLiteral(
        "SELECT Codigo, Nome, Username, Codigo_tabGrupos FROM tabUsuarios ORDER BY Codigo"));
    while (q.next())
        r.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()});
    return r;
}

QList<Grupo> ListaGrupos(const Banco& banco)
{
    QList<Grupo> r;
    QSqlQuery q = banco.executa(QStringLiteral("SELECT Codigo, Descricao, Permissoes FROM tabGrupos ORDER BY Codigo"));
    while (q.next())
        r.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString()});
    return r;
}

QList<Permissao> ListaPermissoes(const Banco& banco)
{
    QList<Permissao> r;
    QSqlQuery q = banco.executa(QStringLiteral("SELECT Codigo, descricao FROM tabPermissoes ORDER BY Codigo"));
    while (q.next()) {
        const QString codigo = q.value(0).toString();
        r.append({codigo, q.value(1).toString(), codigo.mid(1).toInt()});
    }
    return r;
}

QString ProximoCodigoUsuario(const Banco& banco)
{
    return proximoCodigo(banco, {QStringLiteral("SELECT MAX(CAST(Codigo AS INTEGER)) FROM tabUsuarios")});
}

QString ProximoCodigoGrupo(const Banco& banco)
{
    return proximoCodigo(banco, {QStringLiteral("SELECT MAX(CAST(Codigo AS INTEGER)) FROM tabGrupos"),
                                 QStringLiteral("SELECT MAX(CAST(Codigo_tabGrupos AS INTEGER)) FROM tabUsuarios")});
}

GravacaoUsuario GravaUsuario(Contexto& ctx, const DadosUsuario& dados)
{
    GravacaoUsuario r;
    const struct {
        bool falta;
        CampoUsuario campo;
        const char* motivo;
    } exigencias[] = {
        {dados.nome.trimmed().isEmpty(), CampoUsuario::Nome, "O campo 'Nome' não pode estar vazio."},
        {dados.username.trimmed().isEmpty(), CampoUsuario::Username,
         "O campo 'Identificação do Usuário' não pode estar vazio."},
        {dados.senha.trimmed().isEmpty(), CampoUsuario::Senha, "O campo 'Senha' não pode estar vazio."},
        {dados.codigoGrupo.isEmpty(), CampoUsuario::Grupo, "O Usuário deve ser inserido em algum Grupo."},
    };
    for (const auto& e : exigencias) {
        if (e.falta) {
            recusa(ctx, ImpossivelGravar + QString::fromUtf8(e.motivo));
            r.campo = e.campo;
            return r;
        }
    }

    const QString username = dados.username.toUpper();
    const bool novo = dados.codigo.isEmpty();
    try {
        const Banco& banco = ctx.BancoOrgao;
        // The sign-in looks a user up by name: two users of the same name would be ambiguous.
        // (A null text would bind as NULL, and "Codigo <> NULL" holds for no row.)
        const QString proprio = novo ? QStringLiteral("") : dados.codigo;
        const auto digest = CodificaSenha(dados.senha);
        if (!digest) {
            MostraErro(ctx.interacao(), QStringLiteral("Erro ao tentar gravar o usuário."), SenhaSemDigest);
            r.campo = CampoUsuario::Senha;
            return r;
        }
        // The name check, the next code and the write in one write transaction, so another
        // program cannot record the same name (or code) in between.
        bool repetido = false;
        {
            Transacao t(banco);
            repetido = banco.existe(QStringLiteral("SELECT 1 FROM tabUsuarios WHERE Username = ? AND Codigo <> ?"),
                                    {username, proprio});
            if (!repetido && novo) {
                r.codigo = ProximoCodigoUsuario(banco);
                banco.executa(QStringLiteral("INSERT INTO tabUsuarios (Nome, Username, Senha, Codigo_tabGrupos, Codigo) "
                                             "VALUES (?, ?, ?, ?, ?)"),
                              {dados.nome, username, *digest, dados.codigoGrupo, r.codigo});
            } else if (!repetido) {
                r.codigo = dados.codigo;
                banco.executa(QStringLiteral("UPDATE tabUsuarios SET Nome = ?, Username = ?, Senha = ?, "
                                             "Codigo_tabGrupos = ? WHERE Codigo = ?"),
                              {dados.nome, username, *digest, dados.codigoGrupo, r.codigo});
            }
            t.confirma();
        }
        if (repetido) {
            recusa(ctx, ImpossivelGravar + QStringLiteral("Já existe um Usuário com a identificação '") + username
                            + QStringLiteral("'."));
            r.campo = CampoUsuario::Username;
            return r;
        }
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao tentar gravar o usuário."), e.falha());
        r.codigo.clear();
        return r;
    }
    r.gravado = true;
    registrado(ctx);
    return r;
}

bool ExcluiUsuario(Contexto& ctx, const QString& codigo, const QString& nome)
{
    if (codigo.isEmpty() || !confirmaExclusao(ctx, nome))
        return false;
    try {
        ctx.BancoOrgao.executa(QStringLiteral("DELETE FROM tabUsuarios WHERE Codigo = ?"), {codigo});
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao tentar excluir o usuário."), e.falha());
        return false;
    }
    return true;
}

CampoSenha ConfereAlteracaoSenha(Contexto& ctx, const QString& codigoUsuario, const QString& atual,
                                 const QString& nova, const QString& confirmacao)
{
    try {
        const auto digest = CodificaSenha(atual);
        const bool confere =
            digest && ctx.BancoOrgao.existe(QStringLiteral("SELECT 1 FROM tabUsuarios WHERE Codigo = ? AND Senha = ?"),
                                            {codigoUsuario, *digest});
        if (!confere) {
            recusa(ctx, QStringLiteral("A Senha digitada não confere com a atual.\n"
                                       "Favor verifique se a senha atual foi digitada corretamente."));
            return CampoSenha::Atual;
        }
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao tentar conferir a senha."), e.falha());
        return CampoSenha::Atual;
    }
    if (nova != confirmacao) {
        recusa(ctx, QStringLiteral("A Senha nova não confere com sua confirmação.\n"
                                   "Favor verifique se a senha nova foi digitada corretamente."));
        return CampoSenha::Nova;
    }
    if (nova.size() < 4) {
        recusa(ctx, QStringLiteral("Impossível alterar: A Senha deve conter no mínimo 4 dígitos."));
        return CampoSenha::Nova;
    }
    return CampoSenha::Nenhum;
}

bool GrupoEditavel(const QString& codigo) { return codigo != GrupoPredefinido; }

QStringList CodigosDePermissao(const QString& permissoes)
{
    QStringList r;
    for (qsizetype i = 0; i < permissoes.size(); i += 4)
        r << permissoes.mid(i, 3);
    return r;
}

QString CodigoPermissao(int numero) { return QStringLiteral("P%1").arg(numero, 2, 10, QLatin1Char('0')); }

QString MontaPermissoes(const QList<int>& numeros)
{
    QString r;
    for (int n : numeros)
        r += CodigoPermissao(n) + u';';
    return r;
}

QList<int> PermissoesDoGrupo(Contexto& ctx, const Grupo& grupo, const QList<Permissao>& lista)
{
    QList<int> r;
    try {
        for (const QString& codigo : CodigosDePermissao(grupo.permissoes)) {
            if (!ctx.BancoOrgao.existe(QStringLiteral("SELECT 1 FROM tabPermissoes WHERE Codigo = ?"), {codigo})) {
                recusa(ctx, QStringLiteral("O Cód. de Permissão ") + codigo + QStringLiteral(" para o Grupo '")
                                + grupo.descricao + QStringLiteral("' não foi encontrado."));
                continue;
            }
            for (const Permissao& p : lista)
                if (CodigoPermissao(p.numero) == codigo && !r.contains(p.numero))
                    r << p.numero;
        }
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao tentar ler as permissões do grupo."), e.falha());
    }
    return r;
}

GravacaoGrupo GravaGrupo(Contexto& ctx, const DadosGrupo& dados)
{
    GravacaoGrupo r;
    if (!GrupoEditavel(dados.codigo))
        return r;
    if (dados.descricao.trimmed().isEmpty()) {
        recusa(ctx, ImpossivelGravar + QStringLiteral("O campo 'Descrição' não pode estar vazio."));
        r.campo = CampoGrupo::Descricao;
        return r;
    }
    const QString permissoes = MontaPermissoes(dados.selecionadas);
    if (permissoes.isEmpty()) {
        recusa(ctx, ImpossivelGravar + QStringLiteral("Nenhuma permissão foi selecionada para este Grupo."));
        r.campo = CampoGrupo::Permissoes;
        return r;
    }
    try {
        const Banco& banco = ctx.BancoOrgao;
        Transacao t(banco); // the next code and the insert together
        if (dados.codigo.isEmpty()) {
            r.codigo = ProximoCodigoGrupo(banco);
            banco.executa(QStringLiteral("INSERT INTO tabGrupos (Descricao, Permissoes, Codigo) VALUES (?, ?, ?)"),
                          {dados.descricao, permissoes, r.codigo});
        } else {
            r.codigo = dados.codigo;
            banco.executa(QStringLiteral("UPDATE tabGrupos SET Descricao = ?, Permissoes = ? WHERE Codigo = ?"),
                          {dados.descricao, permissoes, r.codigo});
        }
        t.confirma();
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao tentar gravar o grupo."), e.falha());
        r.codigo.clear();
        return r;
    }
    r.gravado = true;
    registrado(ctx);
    return r;
}

bool ExcluiGrupo(Contexto& ctx, const QString& codigo, const QString& descricao)
{
    if (codigo.isEmpty() || !GrupoEditavel(codigo) || !confirmaExclusao(ctx, descricao))
        return false;
    try {
        ctx.BancoOrgao.executa(QStringLiteral("DELETE FROM tabGrupos WHERE Codigo = ?"), {codigo});
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao tentar excluir o grupo."), e.falha());
        return false;
    }
    return true;
}
