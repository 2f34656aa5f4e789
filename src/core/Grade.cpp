#include "core/Grade.h"
#include "core/Conversoes.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <stdexcept>

namespace {
bool branco(const QVariant& v) { return v.isNull() || !v.isValid() || v.toString().trimmed().isEmpty(); }

// Values read back compare equal to what was typed whatever type the driver returned.
bool mesmoValor(const QVariant& a, const QVariant& b)
{
    if (branco(a) || branco(b))
        return branco(a) && branco(b);
    return a.toString() == b.toString();
}

bool verdadeiro(const QVariant& v)
{
    if (branco(v))
        return false;
    const QString t = v.toString().trimmed();
    return t != u'0' && t.compare(QStringLiteral("N"), Qt::CaseInsensitive) != 0
        && t.compare(QStringLiteral("false"), Qt::CaseInsensitive) != 0;
}

bool igual(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString marcas(qsizetype n)
{
    QString r = QStringLiteral("?,").repeated(n);
    r.chop(1);
    return r;
}
} // namespace

DefinicaoCampo ColunaGrade::comoCampo() const
{
    DefinicaoCampo c{campo, titulo, formato, tamanhoMaximo, tipo == TipoColuna::Obrigatoria};
    c.decimais = decimais;
    c.dataIso = dataIso;
    c.opcoes = opcoes;
    c.consulta = consulta;
    return c;
}

Grade::Grade(Contexto& ctx, DefinicaoGrade definicao) : ctx_(ctx), def_(std::move(definicao))
{
    if (def_.chave.isEmpty() && !def_.identificador.isEmpty())
        def_.chave = QStringList{def_.identificador};
    for (const QString& k : def_.chave)
        if (indice(k) < 0)
            throw std::logic_error("key column missing from the grid: " + k.toStdString());
    for (const ColunaGrade& c : def_.colunas) {
        campos_.push_back(c.comoCampo());
        if (c.consulta.ativa() && indice(c.consulta.destino) < 0)
            throw std::logic_error("description column missing from the grid: " + c.consulta.destino.toStdString());
    }
}

int Grade::indice(const QString& campo) const
{
    for (int c = 0; c < colunas(); ++c)
        if (igual(def_.colunas[c].campo, campo))
            return c;
    return -1;
}

bool Grade::ehPeriodo(int c) const { return !def_.colunaPeriodo.isEmpty() && igual(def_.colunas[c].campo, def_.colunaPeriodo); }

bool Grade::ehChave(int c) const { return def_.chave.contains(def_.colunas[c].campo, Qt::CaseInsensitive); }

QVariant Grade::valor(int linha, int coluna) const { return linhas_[linha].valores.value(coluna); }

QVariant Grade::valor(int linha, const QString& campo) const
{
    const int c = indice(campo);
    return c < 0 ? QVariant() : valor(linha, c);
}

Moeda Grade::moeda(int linha, const QString& campo) const { return MoedaDoValor(valor(linha, campo)); }

void Grade::defineMoeda(int linha, const QString& campo, Moeda v) { defineValor(linha, campo, qlonglong(v.decimos())); }

QString Grade::texto(int linha, int coluna) const { return TextoDoValor(campos_[size_t(coluna)], valor(linha, coluna)); }

bool Grade::podeIncluir() const
{
    return def_.permiteIncluir && (def_.colunaPeriodo.isEmpty() || !ctx_.BimReferencia.isEmpty())
        && (def_.mestre.empty() || !mestre_.isEmpty());
}

bool Grade::outroPeriodo(int linha) const
{
    return !def_.colunaPeriodo.isEmpty() && linhas_[linha].periodo != ctx_.BimReferencia;
}

bool Grade::somenteLeitura(int linha) const
{
    if (outroPeriodo(linha))
        return true;
    if (!def_.colunaSomenteLeitura.isEmpty() && verdadeiro(valor(linha, def_.colunaSomenteLeitura)))
        return true;
    return def_.linhaSomenteLeitura && def_.linhaSomenteLeitura(*this, linha);
}

bool Grade::podeExcluir(int linha) const
{
    return linhas_[linha].estado == Estado::Nova || (def_.permiteExcluir && !somenteLeitura(linha));
}

bool Grade::colunaDigitavel(int coluna) const
{
    const ColunaGrade& c = def_.colunas[coluna];
    for (const VinculoMestre& v : def_.mestre)
        if (igual(v.coluna, c.campo))
            return false;
    return !c.somenteLeitura() && !ehPeriodo(coluna) && !igual(c.campo, def_.identificador);
}

bool Grade::editavel(int linha, int coluna) const
{
    if (somenteLeitura(linha) || !colunaDigitavel(coluna))
        return false;
    // The key of a stored row is never rewritten: UPDATE and DELETE address the row by it.
    return !((ehChave(coluna) || def_.colunas[coluna].soNaInclusao) && linhas_[linha].estado != Estado::Nova);
}

int Grade::linhaPendente() const
{
    for (int l = 0; l < linhas(); ++l)
        if (pendente(l))
            return l;
    return -1;
}

QString Grade::filtro(const QString& t, bool anteriores, QVariantList& valores) const
{
    QStringList condicoes;
    if (!def_.colunaPeriodo.isEmpty()) {
        condicoes << t + def_.colunaPeriodo + (anteriores ? QStringLiteral(" <= ?") : QStringLiteral(" = ?"));
        valores << ctx_.BimReferencia;
    }
    for (size_t i = 0; i < def_.mestre.size(); ++i)
        if (def_.mestre[i].filtra) {
            condicoes << t + def_.mestre[i].coluna + QStringLiteral(" = ?");
            valores << mestre_.value(int(i));
        }
    return condicoes.isEmpty() ? QString() : QStringLiteral(" WHERE ") + condicoes.join(QStringLiteral(" AND "));
}

void Grade::defineMestre(const QVariantList& valores)
{
    mestre_ = valores;
    PreencheGrid();
}

bool Grade::PreencheGrid()
{
    ObservadorGrade& o = obs_ ? *obs_ : nenhum_;
    o.inicioRecarga();
    linhas_.clear();
    bool ok = true;
    const bool semMestre = !def_.mestre.empty() && mestre_.isEmpty();
    if ((def_.colunaPeriodo.isEmpty() || !ctx_.BimReferencia.isEmpty()) && !semMestre) {
        // Descriptions of codes come with the listing, one sub-query each, never a query per row.
        std::vector<QString> descricoes(static_cast<size_t>(colunas()));
        QVariantList valores;
        for (const ColunaGrade& c : def_.colunas)
            if (c.consulta.ativa()) {
                const QString periodo = def_.colunaPeriodo.isEmpty() ? QStringLiteral("?") : QStringLiteral("t.") + def_.colunaPeriodo;
                descricoes[size_t(indice(c.consulta.destino))] = c.consulta.subconsulta(QStringLiteral("t.") + c.campo, periodo);
            }
        QStringList campos;
        for (int i = 0; i < colunas(); ++i) {
            const ColunaGrade& c = def_.colunas[i];
            if (!c.expressao.isEmpty())
                campos << u'(' + c.expressao + QStringLiteral(") AS ") + c.campo;
            else if (!c.partes.empty()) {
                QStringList partes;
                for (const ParteColuna& p : c.partes)
                    partes << QStringLiteral("COALESCE(t.%1, '')").arg(p.campo);
                campos << u'(' + partes.join(QStringLiteral(" || ")) + QStringLiteral(") AS ") + c.campo;
            }
            else if (!descricoes[size_t(i)].isEmpty()) {
                campos << u'(' + descricoes[size_t(i)] + QStringLiteral(") AS ") + c.campo;
                if (descricoes[size_t(i)].contains(u'?'))
                    valores << ctx_.BimReferencia;
            } else
                campos << QStringLiteral("t.") + c.campo;
        }
        if (!def_.colunaPeriodo.isEmpty())
            campos << QStringLiteral("t.") + def_.colunaPeriodo;
        const QString onde = filtro(QStringLiteral("t."), def_.listaAnteriores, valores);
        QString sql = QStringLiteral("SELECT ") + campos.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") + def_.tabela
            + QStringLiteral(" t") + onde;
        if (!def_.condicao.isEmpty()) {
            sql += (onde.isEmpty() ? QStringLiteral(" WHERE (") : QStringLiteral(" AND (")) + def_.condicao + u')';
            valores += def_.valoresCondicao;
        }
        if (!def_.ordem.isEmpty())
            sql += QStringLiteral(" ORDER BY ") + def_.ordem;
        try {
            QSqlQuery q = ctx_.BancoOrgao.executa(sql, valores);
            const int n = colunas();
            const bool comPeriodo = !def_.colunaPeriodo.isEmpty();
            QString periodo; // one shared string for the rows of a period
            while (q.next()) {
                Linha l;
                l.valores.reserve(n);
                for (int c = 0; c < n; ++c)
                    l.valores.append(q.value(c));
                l.originais = l.valores; // shared until the row changes
                if (comPeriodo) {
                    const QVariant p = q.value(n);
                    if (p.toString() != periodo)
                        periodo = p.toString();
                    l.periodo = periodo;
                }
                l.estado = Estado::Gravada;
                linhas_.push_back(std::move(l));
            }
            if (def_.gravaPeriodoInteiro && !def_.consultaCatalogo.isEmpty())
                preparaDoCatalogo();
        } catch (const ErroBanco& e) {
            linhas_.clear();
            MostraErro(ctx_.interacao(), QStringLiteral("Não foi possível listar os registros."), e.falha());
            ok = false;
        }
    }
    o.fimRecarga();
    return ok;
}

// Every line of the catalogue, in its order: the stored row where the period has one, else a
// row prepared at 0 (a period never saved, or saved before a line was added).
void Grade::preparaDoCatalogo()
{
    std::vector<Linha> gravadas = std::move(linhas_);
    linhas_.clear();
    const auto chaveDe = [this](const Linha& l) {
        QStringList k;
        for (const QString& c : def_.chave)
            k << l.valores.value(indice(c)).toString();
        return k.join(u'\x1f');
    };
    QHash<QString, size_t> porChave;
    for (size_t i = 0; i < gravadas.size(); ++i)
        porChave.insert(chaveDe(gravadas[i]), i);
    std::vector<bool> usada(gravadas.size(), false);
    QSqlQuery q = ctx_.BancoOrgao.executa(def_.consultaCatalogo, def_.valoresCatalogo);
    const QSqlRecord r = q.record();
    std::vector<int> origem;
    for (const ColunaGrade& c : def_.colunas)
        origem.push_back(r.indexOf(c.campo));
    const int p = def_.colunaPeriodo.isEmpty() ? -1 : indice(def_.colunaPeriodo);
    while (q.next()) {
        Linha l;
        for (int c = 0; c < colunas(); ++c) {
            QVariant v = origem[size_t(c)] >= 0 ? q.value(origem[size_t(c)]) : QVariant();
            const ColunaGrade& col = def_.colunas[c];
            if (branco(v) && (col.formato == TipoCampo::Valor || col.formato == TipoCampo::Percentual) && col.gravada)
                v = qlonglong(0);
            l.valores << v;
        }
        if (p >= 0)
            l.valores[p] = ctx_.BimReferencia;
        for (size_t i = 0; i < def_.mestre.size(); ++i)
            if (const int c = indice(def_.mestre[i].coluna); c >= 0)
                l.valores[c] = mestre_.value(int(i));
        l.originais = l.valores;
        l.periodo = ctx_.BimReferencia;
        l.estado = Estado::Gravada;
        if (const auto it = porChave.constFind(chaveDe(l)); it != porChave.constEnd() && !usada[*it]) {
            usada[*it] = true;
            linhas_.push_back(std::move(gravadas[*it]));
        } else {
            linhas_.push_back(std::move(l));
        }
    }
    for (size_t i = 0; i < gravadas.size(); ++i)
        if (!usada[i])
            linhas_.push_back(std::move(gravadas[i]));
}

int Grade::novaLinha()
{
    if (!podeIncluir())
        return -1;
    ObservadorGrade& o = obs_ ? *obs_ : nenhum_;
    const int l = linhas();
    o.inicioInclusao(l);
    Linha nova;
    for (int c = 0; c < colunas(); ++c)
        nova.valores << def_.colunas[c].inicial;
    nova.periodo = ctx_.BimReferencia;
    if (const int p = def_.colunaPeriodo.isEmpty() ? -1 : indice(def_.colunaPeriodo); p >= 0)
        nova.valores[p] = ctx_.BimReferencia;
    for (size_t i = 0; i < def_.mestre.size(); ++i)
        if (const int c = indice(def_.mestre[i].coluna); c >= 0)
            nova.valores[c] = mestre_.value(int(i));
    nova.originais = nova.valores;
    linhas_.push_back(std::move(nova));
    o.fimInclusao();
    return l;
}

bool Grade::defineTexto(int linha, int coluna, const QString& texto)
{
    if (!editavel(linha, coluna))
        return false;
    if (def_.antesAlterar && Recusou(ctx_.interacao(), def_.antesAlterar(*this, linha, coluna, texto)))
        return true;
    const QVariant novo = ValorDoTexto(campos_[size_t(coluna)], texto, &ctx_.interacao());
    if (mesmoValor(novo, linhas_[linha].valores[coluna]))
        return true;
    defineValor(linha, coluna, novo);
    if (def_.duplicadaAoDigitar && ehChave(coluna) && linhas_[linha].estado == Estado::Nova) {
        bool existe = false;
        try {
            existe = chaveExiste(linhas_[linha]);
        } catch (const ErroBanco& e) {
            MostraErro(ctx_.interacao(), QStringLiteral("Não foi possível consultar o código."), e.falha());
        }
        if (existe) {
            MostraAviso(ctx_.interacao(), def_.mensagemDuplicada);
            for (const QString& k : def_.chave) {
                const int c = indice(k);
                defineValor(linha, c, QVariant());
                if (def_.colunas[c].consulta.ativa())
                    defineValor(linha, def_.colunas[c].consulta.destino, QVariant());
            }
            return true;
        }
    }
    if (def_.colunas[coluna].consulta.ativa())
        consultaCodigo(linha, coluna);
    if (def_.aposAlterar)
        def_.aposAlterar(*this, linha, coluna);
    return true;
}

void Grade::consultaCodigo(int linha, int coluna)
{
    const ConsultaCodigo& k = def_.colunas[coluna].consulta;
    const int destino = indice(k.destino);
    const QVariant codigo = valor(linha, coluna);
    if (branco(codigo)) {
        defineValor(linha, destino, QVariant());
        return;
    }
    try {
        const auto descricao = k.descricao(ctx_.BancoOrgao, codigo,
                                       linhas_[linha].periodo.isEmpty() ? ctx_.BimReferencia : linhas_[linha].periodo);
        if (!descricao && !k.mensagemInvalido.isEmpty()) {
            MostraAviso(ctx_.interacao(), k.mensagemInvalido);
            defineValor(linha, coluna, QVariant());
        }
        defineValor(linha, destino, descricao ? QVariant(*descricao) : QVariant());
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Não foi possível consultar o código."), e.falha());
    }
}

void Grade::defineValor(int linha, int coluna, const QVariant& v)
{
    Linha& l = linhas_[linha];
    l.valores[coluna] = v;
    if (l.estado != Estado::Nova) {
        bool iguais = true;
        for (int c = 0; c < colunas() && iguais; ++c)
            iguais = mesmoValor(l.valores[c], l.originais[c]);
        l.estado = iguais ? Estado::Gravada : Estado::Alterada;
    }
    if (obs_)
        obs_->linhaMudou(linha);
}

void Grade::defineValor(int linha, const QString& campo, const QVariant& v)
{
    if (const int c = indice(campo); c >= 0)
        defineValor(linha, c, v);
}

bool Grade::vazia(const Linha& l) const
{
    for (int c = 0; c < colunas(); ++c)
        if (colunaDigitavel(c) && !branco(l.valores[c]) && l.valores[c] != def_.colunas[c].inicial)
            return false;
    return true;
}

bool Grade::faltaObrigatorio(const Linha& l) const
{
    if (def_.mensagemObrigatorio.isEmpty())
        return false;
    for (int c = 0; c < colunas(); ++c)
        if (def_.colunas[c].tipo == TipoColuna::Obrigatoria && branco(l.valores[c])) {
            MostraAviso(ctx_.interacao(), def_.mensagemObrigatorio);
            return true;
        }
    return false;
}

QVariant Grade::valorGravado(int coluna, const QVariant& v) const
{
    if (branco(v))
        return QVariant();
    const ColunaGrade& c = def_.colunas[coluna];
    return c.paraGravar ? c.paraGravar(v) : v;
}

void Grade::condicoesDaColuna(int coluna, const QVariant& v, const QString& prefixo, QStringList& condicoes,
                              QVariantList& valores) const
{
    QStringList campos;
    QVariantList gravados;
    camposDaColuna(coluna, v, campos, gravados);
    for (qsizetype i = 0; i < campos.size(); ++i) {
        condicoes << prefixo + campos[i] + QStringLiteral(" = ?");
        valores << gravados[i];
    }
}

void Grade::camposDaColuna(int coluna, const QVariant& v, QStringList& campos, QVariantList& valores) const
{
    const ColunaGrade& c = def_.colunas[coluna];
    const QVariant gravado = valorGravado(coluna, v);
    if (c.partes.empty()) {
        campos << c.campo;
        valores << gravado;
        return;
    }
    const QString texto = gravado.toString();
    for (const ParteColuna& p : c.partes) {
        campos << p.campo;
        const QString parte = texto.mid(p.inicio, p.tamanho);
        valores << (parte.isEmpty() ? QVariant() : QVariant(parte));
    }
}

QString Grade::ondeLinha(const Linha& l, QVariantList& valores) const
{
    QStringList condicoes;
    if (!def_.colunaPeriodo.isEmpty()) {
        condicoes << def_.colunaPeriodo + QStringLiteral(" = ?");
        valores << l.periodo;
    }
    for (const QString& k : def_.chave) {
        const int c = indice(k);
        condicoesDaColuna(c, l.originais[c], QString(), condicoes, valores);
    }
    return QStringLiteral(" WHERE ") + condicoes.join(QStringLiteral(" AND "));
}

bool Grade::chaveExiste(const Linha& l) const
{
    QVariantList valores;
    QStringList condicoes;
    const QString onde = filtro(QStringLiteral("t."), false, valores);
    QString sql = QStringLiteral("SELECT 1 FROM %1 t").arg(def_.tabela) + onde;
    for (const QString& k : def_.chave) {
        if (igual(k, def_.identificador))
            continue;
        const int c = indice(k);
        if (branco(l.valores[c]))
            return false;
        condicoesDaColuna(c, l.valores[c], QStringLiteral("t."), condicoes, valores);
    }
    if (condicoes.isEmpty())
        return false;
    sql += (onde.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) + condicoes.join(QStringLiteral(" AND "));
    return ctx_.BancoOrgao.existe(sql, valores);
}

void Grade::insere(Linha& l)
{
    QStringList campos;
    QVariantList valores;
    if (!def_.colunaPeriodo.isEmpty()) {
        campos << def_.colunaPeriodo;
        valores << ctx_.BimReferencia;
    }
    if (!def_.identificador.isEmpty()) {
        const int id = ProximoCodigo(ctx_.BancoOrgao, def_.tabela, def_.identificador);
        if (id <= 0)
            throw ErroBanco({def_.tabela, 0, QStringLiteral("Não foi possível obter o próximo código.")});
        campos << def_.identificador;
        valores << id;
        if (const int c = indice(def_.identificador); c >= 0)
            l.valores[c] = id;
    }
    for (size_t i = 0; i < def_.mestre.size(); ++i)
        if (indice(def_.mestre[i].coluna) < 0) {
            campos << def_.mestre[i].coluna;
            valores << mestre_.value(int(i));
        }
    for (int c = 0; c < colunas(); ++c) {
        const ColunaGrade& col = def_.colunas[c];
        if (!col.gravada || ehPeriodo(c) || igual(col.campo, def_.identificador))
            continue;
        camposDaColuna(c, l.valores[c], campos, valores);
    }
    ctx_.BancoOrgao.executa(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(def_.tabela, campos.join(u','), marcas(campos.size())), valores);
}

void Grade::atualiza(const Linha& l)
{
    QStringList atribuicoes;
    QVariantList valores;
    for (int c = 0; c < colunas(); ++c) {
        const ColunaGrade& col = def_.colunas[c];
        if (!col.gravada || col.soNaInclusao || ehPeriodo(c) || ehChave(c) || igual(col.campo, def_.identificador))
            continue;
        condicoesDaColuna(c, l.valores[c], QString(), atribuicoes, valores);
    }
    if (atribuicoes.isEmpty())
        return;
    const QString onde = ondeLinha(l, valores);
    ctx_.BancoOrgao.executa(QStringLiteral("UPDATE %1 SET %2").arg(def_.tabela, atribuicoes.join(QStringLiteral(", "))) + onde,
                            valores);
}

bool Grade::gravaLinha(int linha)
{
    Linha& l = linhas_[linha];
    if (l.estado == Estado::Gravada)
        return true;
    if (l.estado == Estado::Nova && vazia(l)) {
        remove(linha);
        return true;
    }
    // The statements keep their rows until the period is saved.
    if (def_.gravaPeriodoInteiro)
        return true;
    Interacao& ui = ctx_.interacao();
    if (faltaObrigatorio(l))
        return false;
    const bool nova = l.estado == Estado::Nova;
    // The duplicate test, the register's own checks and the write are one write transaction, so
    // that two programs on the same body can never both pass the test; a refusal is shown after
    // the transaction has ended, never while it holds the database.
    Recusa recusa;
    try {
        Transacao t(ctx_.BancoOrgao);
        if (l.estado == Estado::Nova && !def_.mensagemDuplicada.isEmpty() && chaveExiste(l))
            recusa = def_.mensagemDuplicada;
        if (!recusa && def_.antesGravar)
            recusa = def_.antesGravar(*this, linha);
        if (!recusa) {
            Linha gravada = linhas_[linha]; // the callback may have filled cells
            if (def_.valoresVaziosSaoZero)
                for (int c = 0; c < colunas(); ++c)
                    if (def_.colunas[c].formato == TipoCampo::Valor && def_.colunas[c].gravada && branco(gravada.valores[c]))
                        gravada.valores[c] = qlonglong(0);
            if (gravada.estado == Estado::Nova)
                insere(gravada);
            else
                atualiza(gravada);
            t.confirma();
            gravada.originais = gravada.valores;
            gravada.estado = Estado::Gravada;
            linhas_[linha] = std::move(gravada);
        }
    } catch (const ErroBanco& e) {
        Falha falha = e.falha();
        if (nova && !def_.origemErroInclusao.isEmpty())
            falha.origem = def_.origemErroInclusao;
        MostraErro(ui, QStringLiteral("Não foi possível gravar a linha."), falha);
        return false;
    }
    if (Recusou(ui, recusa))
        return false;
    if (obs_)
        obs_->linhaMudou(linha);
    if (def_.aposGravar)
        def_.aposGravar(*this, linha, nova);
    return true;
}

bool Grade::gravaPeriodo(bool avisa)
{
    if (!podeGravarPeriodo())
        return false;
    Interacao& ui = ctx_.interacao();
    for (int l = 0; l < linhas(); ++l) {
        if (faltaObrigatorio(linhas_[l]))
            return false;
        if (def_.antesGravar && Recusou(ui, def_.antesGravar(*this, l)))
            return false;
    }
    try {
        const Banco& b = ctx_.BancoOrgao;
        Transacao t(b);
        QVariantList valores;
        b.executa(QStringLiteral("DELETE FROM ") + def_.tabela + filtro(QString(), false, valores), valores);
        qlonglong id = def_.identificador.isEmpty()
            ? 0
            : b.valor(QStringLiteral("SELECT COALESCE(MAX(%1), 0) FROM %2").arg(def_.identificador, def_.tabela)).toLongLong();
        for (Linha& l : linhas_) {
            if (l.estado == Estado::Nova && vazia(l))
                continue;
            if (!def_.identificador.isEmpty())
                if (const int c = indice(def_.identificador); c >= 0)
                    l.valores[c] = ++id;
            QStringList campos;
            QVariantList v;
            if (!def_.colunaPeriodo.isEmpty()) {
                campos << def_.colunaPeriodo;
                v << ctx_.BimReferencia;
            }
            if (!def_.identificador.isEmpty() && indice(def_.identificador) < 0) {
                campos << def_.identificador;
                v << ++id;
            }
            for (size_t i = 0; i < def_.mestre.size(); ++i)
                if (indice(def_.mestre[i].coluna) < 0) {
                    campos << def_.mestre[i].coluna;
                    v << mestre_.value(int(i));
                }
            for (int c = 0; c < colunas(); ++c)
                if (def_.colunas[c].gravada && !ehPeriodo(c))
                    camposDaColuna(c, l.valores[c], campos, v);
            b.executa(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(def_.tabela, campos.join(u','), marcas(campos.size())), v);
        }
        t.confirma();
    } catch (const ErroBanco& e) {
        MostraErro(ui, QStringLiteral("Não foi possível gravar os valores."), e.falha());
        return false;
    }
    PreencheGrid();
    if (avisa && !def_.mensagemGravado.isEmpty())
        MostraAviso(ui, def_.mensagemGravado);
    return true;
}

void Grade::remove(int linha)
{
    ObservadorGrade& o = obs_ ? *obs_ : nenhum_;
    o.inicioRemocao(linha);
    linhas_.erase(linhas_.begin() + linha);
    o.fimRemocao();
}

void Grade::cancelaLinha(int linha)
{
    Linha& l = linhas_[linha];
    if (l.estado == Estado::Nova) {
        remove(linha);
        return;
    }
    l.valores = l.originais;
    l.estado = Estado::Gravada;
    if (obs_)
        obs_->linhaMudou(linha);
}

bool Grade::excluiLinha(int linha)
{
    if (!podeExcluir(linha))
        return false;
    if (linhas_[linha].estado == Estado::Nova) {
        remove(linha);
        return true;
    }
    Interacao& ui = ctx_.interacao();
    if (def_.antesExcluir && Recusou(ui, def_.antesExcluir(*this, linha)))
        return false;
    const auto [titulo, pergunta] = def_.perguntaExclusao ? def_.perguntaExclusao(*this, linha)
                                                          : std::pair{TituloAtencao, PerguntaExclusaoLinha};
    if (!ui.pergunta(titulo, pergunta, Interacao::Padrao::Nao))
        return false;
    // A statement line goes from the grid; the period's save writes what is left.
    if (!def_.gravaPeriodoInteiro) {
        Recusa recusa;
        try {
            QVariantList valores;
            const QString onde = ondeLinha(linhas_[linha], valores);
            Transacao t(ctx_.BancoOrgao);
            // Asked again within the write: another program may have used the row meanwhile.
            if (def_.antesExcluir)
                recusa = def_.antesExcluir(*this, linha);
            if (!recusa) {
                ctx_.BancoOrgao.executa(QStringLiteral("DELETE FROM ") + def_.tabela + onde, valores);
                t.confirma();
            }
        } catch (const ErroBanco& e) {
            MostraErro(ui, QStringLiteral("Não foi possível excluir a linha."), e.falha());
            return false;
        }
        if (Recusou(ui, recusa))
            return false;
    }
    remove(linha);
    return true;
}

QString Grade::periodoAnterior() const
{
    if (ctx_.BimReferencia.isEmpty())
        return {};
    return QString::number(ctx_.BimReferencia.toLongLong() - 1);
}

bool Grade::podeCopiar() const
{
    return def_.ofereceCopia && !def_.colunaPeriodo.isEmpty() && !ctx_.BimReferencia.isEmpty() && def_.mestre.empty()
        && !def_.periodosSemCopia.contains(ctx_.BimReferencia);
}

bool Grade::copiaBimestreAnterior()
{
    if (!podeCopiar())
        return false;
    Interacao& ui = ctx_.interacao();
    const Banco& banco = ctx_.BancoOrgao;
    const QString& periodo = def_.colunaPeriodo;
    bool copiou = false;
    try {
        const QString anterior = def_.copiaUltimoAnterior
            ? TextoDoCampo(banco.valor(QStringLiteral("SELECT max(%1) FROM %2 WHERE %1 < ?").arg(periodo, def_.tabela),
                                       {ctx_.BimReferencia}))
            : periodoAnterior();
        const auto temLinhas = [&](const QString& p) {
            return banco.existe(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?").arg(def_.tabela, periodo), {p});
        };
        if (anterior.isEmpty() || !temLinhas(anterior)) {
            if (!def_.mensagemSemAnterior.isEmpty())
                MostraAviso(ui, def_.mensagemSemAnterior);
            return false;
        }
        // Nothing is lost when the open period is still empty: no question then.
        if (def_.modoCopia == DefinicaoGrade::Copia::Substitui && temLinhas(ctx_.BimReferencia)
            && !ui.pergunta(TituloAtencao, def_.perguntaCopia, Interacao::Padrao::Nao))
            return false;
        ui.cursorOcupado();
        copiou = copia(anterior);
        ui.cursorNormal();
    } catch (const ErroBanco& e) {
        ui.cursorNormal();
        MostraErro(ui, QStringLiteral("Não foi possível copiar os registros do bimestre anterior."), e.falha());
        PreencheGrid();
        return false;
    }
    if (copiou && !def_.mensagemCopiaFeita.isEmpty())
        MostraAviso(ui, def_.mensagemCopiaFeita);
    PreencheGrid();
    return copiou;
}

// One INSERT ... SELECT: the identifiers follow the table's largest, read once.
bool Grade::copia(const QString& anterior)
{
    const Banco& banco = ctx_.BancoOrgao;
    const QString& periodo = def_.colunaPeriodo;
    // Every column of the table is carried, also those the grid does not show.
    QStringList campos;
    {
        QSqlQuery q = banco.executa(QStringLiteral("PRAGMA table_info(%1)").arg(def_.tabela));
        while (q.next()) {
            const QString nome = q.value(1).toString();
            if (!igual(nome, periodo) && !igual(nome, def_.identificador))
                campos << nome;
        }
    }
    Transacao t(banco);
    if (def_.modoCopia == DefinicaoGrade::Copia::Substitui)
        banco.executa(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(def_.tabela, periodo), {ctx_.BimReferencia});
    for (const QString& outra : def_.copiaTambem) {
        QStringList colunasOutra;
        QSqlQuery q = banco.executa(QStringLiteral("PRAGMA table_info(%1)").arg(outra));
        while (q.next())
            if (const QString nome = q.value(1).toString(); !igual(nome, periodo))
                colunasOutra << nome;
        if (def_.modoCopia == DefinicaoGrade::Copia::Substitui)
            banco.executa(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(outra, periodo), {ctx_.BimReferencia});
        banco.executa(QStringLiteral("INSERT INTO %1 (%2, %3) SELECT ?, %3 FROM %1 WHERE %2 = ?")
                          .arg(outra, periodo, colunasOutra.join(u',')),
                      {ctx_.BimReferencia, anterior});
    }

    QStringList destino{periodo};
    QStringList origem{QStringLiteral("?")};
    QVariantList valores{ctx_.BimReferencia};
    if (!def_.identificador.isEmpty()) {
        const qlonglong base = banco.valor(QStringLiteral("SELECT COALESCE(MAX(%1), 0) FROM %2").arg(def_.identificador, def_.tabela))
                                   .toLongLong();
        destino << def_.identificador;
        origem << QStringLiteral("? + ROW_NUMBER() OVER (ORDER BY s.%1)").arg(def_.identificador);
        valores << base;
    }
    for (const QString& c : campos) {
        destino << c;
        origem << QStringLiteral("s.") + c;
    }
    QString sql = QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %1 s WHERE s.%4 = ?")
                      .arg(def_.tabela, destino.join(u','), origem.join(u','), periodo);
    valores << anterior;
    if (def_.modoCopia == DefinicaoGrade::Copia::Completa) {
        QStringList condicoes;
        for (const QString& k : def_.chave) {
            if (igual(k, def_.identificador))
                continue;
            const ColunaGrade& col = def_.colunas[size_t(indice(k))];
            if (col.partes.empty())
                condicoes << QStringLiteral("x.%1 = s.%1").arg(k);
            for (const ParteColuna& p : col.partes)
                condicoes << QStringLiteral("x.%1 = s.%1").arg(p.campo);
        }
        if (!condicoes.isEmpty()) {
            sql += QStringLiteral(" AND NOT EXISTS (SELECT 1 FROM %1 x WHERE x.%2 = ? AND ").arg(def_.tabela, periodo)
                + condicoes.join(QStringLiteral(" AND ")) + u')';
            valores << ctx_.BimReferencia;
        }
    }
    if (!def_.ordem.isEmpty() && def_.identificador.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + QString(def_.ordem).replace(QStringLiteral("t."), QStringLiteral("s."));
    banco.executa(sql, valores);
    t.confirma();
    return true;
}

bool Recusou(Interacao& ui, const Recusa& recusa)
{
    if (!recusa)
        return false;
    if (!recusa->isEmpty())
        MostraAviso(ui, *recusa);
    return true;
}
