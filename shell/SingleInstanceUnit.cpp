#include "SingleInstanceUnit.h"

#include "ErrorUnit.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace {

// Holds the block's lock while it lives.
class TBlockLock {
public:
    explicit TBlockLock(QSharedMemory& memory) : m_memory(memory), m_locked(memory.lock()) {}
    ~TBlockLock()
    {
        if (m_locked)
            m_memory.unlock();
    }
    TBlockLock(const TBlockLock&) = delete;
    TBlockLock& operator=(const TBlockLock&) = delete;

private:
    QSharedMemory& m_memory;
    bool m_locked;
};

constexpr int ConnectWaitMs = 2000;
const QByteArray ActivationRequest = "activate\n";

} // namespace

QString TSingleInstanceGuard::BlockName(const QString& programFile)
{
    QString name = programFile;
    return name.remove(u'/');
}

TSingleInstanceGuard::TSingleInstanceGuard(const QString& programFile, int limit)
    : m_name(BlockName(programFile)), m_memory(m_name)
{
    // The window identifier of this copy is its process id: the copy listens on
    // a local socket named after the block and the id, and comes forward when
    // a later copy connects.
    const auto self = qint32(QCoreApplication::applicationPid());
    if (m_memory.create(sizeof(TBlock))) {
        const TBlockLock lock(m_memory);
        *Block() = {self, 1};
        ServeActivations(self);
        return;
    }
    if (m_memory.error() != QSharedMemory::AlreadyExists)
        throw EError(m_memory.errorString());
    if (!m_memory.attach()) {
        m_counted = false;
        return;
    }
    const TBlockLock lock(m_memory);
    TBlock& block = *Block();
    if (block.Count < limit) {
        block = {self, block.Count + 1};
    } else if (!AskRecordedCopy(block.Window)) {
        // The recorded copy is gone without counting itself out: this copy takes its place.
        block.Window = self;
    } else {
        m_counted = false;
        return;
    }
    ServeActivations(self);
}

TSingleInstanceGuard::~TSingleInstanceGuard()
{
    if (!m_counted || !m_memory.isAttached())
        return;
    const TBlockLock lock(m_memory);
    --Block()->Count;
}

TSingleInstanceGuard::TBlock* TSingleInstanceGuard::Block()
{
    return static_cast<TBlock*>(m_memory.data());
}

QString TSingleInstanceGuard::ServerName(qint32 window) const
{
    const QByteArray hash = QCryptographicHash::hash(m_name.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("qvb-%1-%2").arg(QString::fromLatin1(hash)).arg(window);
}

bool TSingleInstanceGuard::AskRecordedCopy(qint32 window) const
{
    // A copy that is alive listens on its socket; a crashed one left nobody there.
    QLocalSocket socket;
    socket.connectToServer(ServerName(window));
    if (!socket.waitForConnected(ConnectWaitMs))
        return false;
    socket.write(ActivationRequest);
    socket.waitForBytesWritten(ConnectWaitMs);
    socket.disconnectFromServer();
    return true;
}

void TSingleInstanceGuard::ServeActivations(qint32 window)
{
    m_server = new QLocalServer(this);
    const QString name = ServerName(window);
    QLocalServer::removeServer(name);
    if (!m_server->listen(name))
        throw EError(m_server->errorString());
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(ActivationRequest.trimmed()))
                    emit ActivationRequested();
            });
        }
    });
}

void BringToFront(QWidget& window)
{
    if (window.isMinimized())
        window.showNormal();
    window.show();
    window.raise();
    window.activateWindow();
}
