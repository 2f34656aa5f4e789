#pragma once
// An HTTP server on 127.0.0.1 for the tests of the network clients (header only).
#include <QHostAddress>
#include <QList>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

// Answers every request, once its whole body is in, with the status and body it is given, or
// keeps the connection open without a word. It answers from this thread's event loop, the one
// the client waits in.
class ServidorHttpFalso : public QObject {
public:
    struct Pedido {
        QString caminho;
        QByteArray cabecalho;
        QByteArray corpo;
    };
    QByteArray corpo;
    QByteArray tipo = "text/plain";
    int status = 200;
    bool mudo = false;
    QList<Pedido> pedidos; // in the order they came

    ServidorHttpFalso()
    {
        servidor_.listen(QHostAddress::LocalHost, 0);
        connect(&servidor_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = servidor_.nextPendingConnection())
                atende(s);
        });
    }
    quint16 porta() const { return servidor_.serverPort(); }
    QStringList caminhos() const
    {
        QStringList c;
        for (const Pedido& p : pedidos)
            c << p.caminho;
        return c;
    }

private:
    void atende(QTcpSocket* s)
    {
        auto recebido = std::make_shared<QByteArray>();
        connect(s, &QTcpSocket::readyRead, s, [this, s, recebido] {
            *recebido += s->readAll();
            const qsizetype fim = recebido->indexOf("\r\n\r\n");
            if (fim < 0)
                return;
            const QByteArray cabecalho = recebido->left(fim);
            qsizetype tamanho = 0;
            for (const QByteArray& linha : cabecalho.split('\n'))
                if (linha.toLower().startsWith("content-length:"))
                    tamanho = linha.mid(15).trimmed().toLongLong();
            if (recebido->size() < fim + 4 + tamanho)
                return;
            const QByteArray primeira = cabecalho.left(cabecalho.indexOf("\r\n"));
            pedidos.append({QString::fromLatin1(primeira.split(' ').value(1)), cabecalho, recebido->mid(fim + 4, tamanho)});
            recebido->clear();
            if (mudo)
                return;
            s->write("HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Type: " + tipo + "\r\nContent-Length: "
                     + QByteArray::number(corpo.size()) + "\r\nConnection: close\r\n\r\n" + corpo);
            s->disconnectFromHost();
        });
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
    }

    QTcpServer servidor_;
};
